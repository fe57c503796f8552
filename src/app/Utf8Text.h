#pragma once

#include <string>
#include <string_view>

namespace qb {

// Walking UTF-8 text character by character. A byte that does not start a
// well-formed sequence is handed on alone as U+FFFD, with its raw byte, so
// that whoever copies the raw text loses nothing.
class Utf8Text {
public:
    static constexpr char32_t kReplacement = 0xFFFD;

    // Decodes the character at the start of text; its length in bytes (at
    // least 1 for text that is not empty) goes to length.
    static char32_t Decode(std::string_view text, std::size_t& length);
    static void Append(char32_t c, std::string& out);

    // Calls visit(character, raw bytes) for each character of text.
    template <class Visit>
    static void ForEach(std::string_view text, Visit&& visit) {
        std::size_t at = 0;
        while (at < text.size()) {
            std::size_t length = 0;
            const char32_t c = Decode(text.substr(at), length);
            visit(c, text.substr(at, length));
            at += length;
        }
    }
};

}  // namespace qb
