#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CFontInfo.h"
#include "COleDateTime.h"
#include "CPenInfo.h"

namespace qb {

// Reads the native file's primitive values from a byte buffer. Reading past
// the end, or a length that cannot fit in what is left, marks the reader as
// failed; from then on every read gives a zero value, so callers check
// Failed() at their loops and once at the end instead of after each field.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : data_(bytes) {}

    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::uint32_t U32();
    std::uint16_t U16();
    std::uint8_t Byte();
    bool Bool() { return Byte() != 0; }
    double F64();
    COleDateTime Date();
    // A string in any of its forms, as UTF-8.
    std::string Text();
    // A narrow string's bytes as they are in the file (for the header).
    std::string_view RawText();
    CFontInfo Font();
    CPenInfo Pen();

    // Whether count elements of at least minimumSize bytes each can still
    // follow; marks the reader as failed when they cannot.
    bool CanHold(std::int64_t count, std::size_t minimumSize);
    void Fail() { failed_ = true; }
    bool Failed() const { return failed_; }
    std::size_t Left() const { return data_.size() - pos_; }

private:
    struct Length {
        std::uint32_t units = 0;
        bool wide = false;
    };
    Length LengthPrefix();
    std::string_view Take(std::size_t count);

    std::string_view data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace qb
