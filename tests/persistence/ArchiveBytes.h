#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qb::test {

// Builds native files byte by byte, straight from the layout tables, so the
// tests do not lean on the writer they check. Text given to Str is already
// CP932 (or ASCII).
class ArchiveBytes {
public:
    ArchiveBytes& Byte(std::uint8_t v) {
        bytes_.push_back(static_cast<char>(v));
        return *this;
    }
    ArchiveBytes& U16(std::uint16_t v) { return Byte(v & 0xFF).Byte(v >> 8); }
    ArchiveBytes& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ArchiveBytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    ArchiveBytes& Bool(bool v) { return Byte(v ? 1 : 0); }
    ArchiveBytes& F64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return U32(static_cast<std::uint32_t>(bits)).U32(static_cast<std::uint32_t>(bits >> 32));
    }
    ArchiveBytes& Date(std::int32_t status, double days) { return I32(status).F64(days); }
    ArchiveBytes& NullDate() { return Date(2, 0.0); }
    ArchiveBytes& Raw(std::string_view bytes) {
        bytes_.append(bytes);
        return *this;
    }
    ArchiveBytes& Str(std::string_view cp932) {
        Length(cp932.size());
        bytes_.append(cp932);
        return *this;
    }
    // Wide text: 0xFF, 0xFFFE, then the length in 2-byte units and UTF-16LE.
    ArchiveBytes& Wide(std::u16string_view text) {
        Byte(0xFF).U16(0xFFFE);
        Length(text.size());
        for (char16_t unit : text)
            U16(static_cast<std::uint16_t>(unit));
        return *this;
    }
    ArchiveBytes& Length(std::size_t n) {
        if (n < 0xFF)
            return Byte(static_cast<std::uint8_t>(n));
        Byte(0xFF);
        if (n < 0xFFFE)
            return U16(static_cast<std::uint16_t>(n));
        return U16(0xFFFF).U32(static_cast<std::uint32_t>(n));
    }
    ArchiveBytes& NoFont() { return I32(0); }
    ArchiveBytes& Font(std::string_view face, std::int32_t size, std::int32_t bits) {
        return I32(1).Str(face).I32(size).I32(bits);
    }
    ArchiveBytes& Pen(std::int32_t style, std::uint32_t colour, std::int32_t width) {
        return I32(style).U32(colour).I32(width);
    }
    ArchiveBytes& DefaultPen() { return Pen(0, 0, 1); }

    ArchiveBytes& Header(std::int32_t version) {
        return Str("Quellbrandiren").U32(0x10101010).Str("Archive").I32(version);
    }
    // A common part without params; callers that want params write the count.
    ArchiveBytes& CommonStart(std::int32_t version, std::int32_t id) {
        I32(1).I32(id).Bool(false).Str("").Str("");
        if (version >= 3)
            NullDate();
        return *this;
    }
    ArchiveBytes& Common(std::int32_t version, std::int32_t id) {
        return CommonStart(version, id).I32(0);
    }
    ArchiveBytes& ArrayStart(std::int32_t version, std::int32_t tag, std::int32_t count) {
        return I32(tag).I32(2).Common(version, 0).I32(count);
    }
    // The project record with constructor values, its title and lastObjectId.
    ArchiveBytes& Project(std::int32_t version, std::string_view title, std::int32_t lastId,
                          std::int32_t holidays = 0) {
        return ProjectWithEncodedTitle(version, ArchiveBytes().Str(title).Bytes(), lastId,
                                       holidays);
    }
    // The same with the title's prefix and bytes given exactly.
    ArchiveBytes& ProjectWithEncodedTitle(std::int32_t version, std::string_view encodedTitle,
                                          std::int32_t lastId, std::int32_t holidays = 0) {
        I32(8).Common(version, 0).Raw(encodedTitle).Str("").I32(0).Str("").Str("");
        Font("\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e", 14, 0);  // ＭＳ ゴシック
        DefaultPen().DefaultPen().DefaultPen().DefaultPen();
        Str("").I32(lastId).Bool(false).NullDate().NullDate();
        for (int i = 0; i < 12; ++i)
            I32(0);
        Bool(true).Bool(true).I32(120).I32(120);
        if (version >= 4)
            I32(100).I32(100).Str("").U32(0xFFFFFF).I32(0);
        return ArrayStart(version, 16, holidays);
    }
    // The five arrays after the project, all empty, from the given one on
    // (12 rows, 4 columns, 14 schedules, 10 links, 7 draw parts).
    ArchiveBytes& EmptyArraysFrom(std::int32_t version, std::int32_t firstTag) {
        const std::int32_t order[] = {12, 4, 14, 10, 7};
        bool started = false;
        for (std::int32_t tag : order) {
            started = started || tag == firstTag;
            if (started)
                ArrayStart(version, tag, 0);
        }
        return *this;
    }

    const std::string& Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

}  // namespace qb::test
