#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "CData.h"

namespace qb {

// Objects as one line of plain text, for carrying them through the clipboard:
// the tag word, the counts of properties and params, then every name and
// value as hex of its CP932 bytes, all separated by tabs.
class ObjectText {
public:
    // When a text holds characters CP932 cannot represent they are written as
    // '?' and lost, if given, is set to true so the caller can say so.
    static std::string Write(const CData& object, bool* lost = nullptr);
    // The same into out, replacing what it held; a caller writing many objects
    // reuses one buffer.
    static void WriteTo(std::string& out, const CData& object, bool* lost = nullptr);
    // The object the text describes, or null for a tag word not in the table.
    // Text with fewer fields than its counts announce, or with a count or hex
    // digit that does not parse, throws std::invalid_argument.
    static std::unique_ptr<CData> Read(std::string_view text);

    static std::string ToHex(std::string_view bytes);
    // Two digits per byte; an odd last digit is dropped.
    static std::string FromHex(std::string_view hex);
};

}  // namespace qb
