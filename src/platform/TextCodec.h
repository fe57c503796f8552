#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qb {

// Text is UTF-8 in memory. The native file, CSV, HTML, object text and
// passwords carry it as CP932 (the Japanese Windows code page); the native
// file's wide strings are UTF-16LE. This is the one place that converts.
class TextCodec {
public:
    // UTF-8 to CP932. Empty when the text is not valid UTF-8 or holds a
    // character CP932 cannot represent.
    static std::optional<std::string> Utf8ToCp932(std::string_view utf8);
    // The same, with every character CP932 cannot hold written as '?'.
    static std::string Utf8ToCp932Lossy(std::string_view utf8);
    // Whether every character of the UTF-8 text survives a trip through CP932.
    static bool FitsCp932(std::string_view utf8);

    // CP932 to UTF-8. Empty when the bytes are not valid CP932.
    static std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
    // The same, with each undecodable byte turned into U+FFFD.
    static std::string Cp932ToUtf8Lossy(std::string_view cp932);

    // UTF-8 to UTF-16LE bytes (two per code unit) and back. Invalid input
    // gives an empty result, or U+FFFD in the lossy reader.
    static std::optional<std::string> Utf8ToUtf16Le(std::string_view utf8);
    static std::string Utf16LeToUtf8Lossy(std::string_view utf16le);

    static bool IsValidUtf8(std::string_view text);
};

}  // namespace qb
