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

    // The fixed-size reads are inline: a large file is mostly made of them.
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::uint32_t U32() {
        const unsigned char* b = Take(4);
        if (b == nullptr)
            return 0;
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3]} << 24;
    }
    std::uint16_t U16() {
        const unsigned char* b = Take(2);
        return b == nullptr ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::uint8_t Byte() {
        const unsigned char* b = Take(1);
        return b == nullptr ? 0 : b[0];
    }
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
    // The next count bytes, or null (and the reader failed) when fewer are left.
    const unsigned char* Take(std::size_t count) {
        if (failed_ || count > data_.size() - pos_) {
            failed_ = true;
            return nullptr;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(data_.data()) + pos_;
        pos_ += count;
        return bytes;
    }
    std::string_view TakeText(std::size_t count) {
        const unsigned char* bytes = Take(count);
        return bytes == nullptr ? std::string_view()
                                : std::string_view(reinterpret_cast<const char*>(bytes), count);
    }

    std::string_view data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace qb
