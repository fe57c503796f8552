#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CFontInfo.h"
#include "COleDateTime.h"
#include "CPenInfo.h"

namespace qb {

// Appends the native file's primitive values to a byte buffer: little-endian
// integers, length-prefixed CP932 strings, dates, fonts and pens.
class ArchiveWriter {
public:
    void Reserve(std::size_t bytes) { out_.reserve(bytes); }

    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void U32(std::uint32_t value);
    void U16(std::uint16_t value);
    void Byte(std::uint8_t value) { out_.push_back(static_cast<char>(value)); }
    void Bool(bool value) { Byte(value ? 1 : 0); }
    void F64(double value);
    void Date(const COleDateTime& value);
    // UTF-8 text as CP932, or in the wide form when CP932 cannot hold it.
    void Text(std::string_view utf8);
    // Bytes as they are, with the narrow length prefix.
    void RawText(std::string_view bytes);
    void Font(const CFontInfo& font);
    void Pen(const CPenInfo& pen);

    std::string Take() { return std::move(out_); }

private:
    void LengthPrefix(std::size_t length);
    void WideText(std::string_view utf16le);

    std::string out_;
};

}  // namespace qb
