#include "ArchiveReader.h"

#include <cmath>
#include <cstring>

#include "TextCodec.h"

namespace qb {

double ArchiveReader::F64() {
    const std::uint64_t low = U32();
    const std::uint64_t bits = low | static_cast<std::uint64_t>(U32()) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A status outside the three known ones, or a day count that is no number,
// would upset every date computation later: such a date reads as invalid.
COleDateTime ArchiveReader::Date() {
    const std::int32_t status = I32();
    const double days = F64();
    if (status == COleDateTime::null)
        return COleDateTime(days, COleDateTime::null);
    if (status != COleDateTime::valid || !std::isfinite(days))
        return COleDateTime(std::isfinite(days) ? days : 0.0, COleDateTime::invalid);
    return COleDateTime(days, COleDateTime::valid);
}

// One byte below 0xFF; else a u16, where 0xFFFE announces wide text whose
// length prefix follows, and 0xFFFF a u32.
ArchiveReader::Length ArchiveReader::LengthPrefix() {
    Length length;
    std::uint8_t small = Byte();
    if (small < 0xFF) {
        length.units = small;
        return length;
    }
    std::uint16_t medium = U16();
    if (medium == 0xFFFE) {
        length.wide = true;
        small = Byte();
        if (small < 0xFF) {
            length.units = small;
            return length;
        }
        medium = U16();
    }
    length.units = medium < 0xFFFF ? medium : U32();
    return length;
}

std::string ArchiveReader::Text() {
    const Length length = LengthPrefix();
    if (length.wide) {
        const std::uint64_t bytes = std::uint64_t{length.units} * 2;
        if (bytes > Left()) {
            failed_ = true;
            return {};
        }
        return TextCodec::Utf16LeToUtf8Lossy(TakeText(static_cast<std::size_t>(bytes)));
    }
    return TextCodec::Cp932ToUtf8Lossy(TakeText(length.units));
}

std::string_view ArchiveReader::RawText() {
    const Length length = LengthPrefix();
    if (length.wide) {
        failed_ = true;
        return {};
    }
    return TakeText(length.units);
}

CFontInfo ArchiveReader::Font() {
    if (I32() != 1)
        return CFontInfo();
    std::string face = Text();
    const std::int32_t size = I32();
    const std::int32_t bits = I32();
    return CFontInfo(std::move(face), size, bits, true);
}

CPenInfo ArchiveReader::Pen() {
    const std::int32_t style = I32();
    const std::uint32_t colour = U32();
    const std::int32_t width = I32();
    return CPenInfo(style, width, colour);
}

bool ArchiveReader::CanHold(std::int64_t count, std::size_t minimumSize) {
    if (failed_ || count < 0 ||
        static_cast<std::uint64_t>(count) > Left() / (minimumSize ? minimumSize : 1)) {
        failed_ = true;
        return false;
    }
    return true;
}

}  // namespace qb
