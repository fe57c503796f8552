#include "ArchiveWriter.h"

#include <cstring>
#include <optional>

#include "TextCodec.h"

namespace qb {
namespace {

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

void ArchiveWriter::U32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    out_.append(bytes, 4);
}

void ArchiveWriter::U16(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
    out_.append(bytes, 2);
}

void ArchiveWriter::F64(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    U32(static_cast<std::uint32_t>(bits));
    U32(static_cast<std::uint32_t>(bits >> 32));
}

void ArchiveWriter::Date(const COleDateTime& value) {
    I32(value.GetStatus());
    F64(value.GetDays());
}

// Below 255 one byte; below 0xFFFE 0xFF and a u16; else 0xFF, 0xFFFF and a u32.
// 0xFFFE after the first 0xFF is the wide-text mark, so the u16 form stops short of it.
void ArchiveWriter::LengthPrefix(std::size_t length) {
    if (length < 0xFF) {
        Byte(static_cast<std::uint8_t>(length));
        return;
    }
    Byte(0xFF);
    if (length < 0xFFFE) {
        U16(static_cast<std::uint16_t>(length));
        return;
    }
    U16(0xFFFF);
    U32(static_cast<std::uint32_t>(length));
}

void ArchiveWriter::RawText(std::string_view bytes) {
    LengthPrefix(bytes.size());
    out_.append(bytes);
}

void ArchiveWriter::WideText(std::string_view utf16le) {
    Byte(0xFF);
    U16(0xFFFE);
    LengthPrefix(utf16le.size() / 2);
    out_.append(utf16le);
}

void ArchiveWriter::Text(std::string_view utf8) {
    if (IsAscii(utf8)) {
        RawText(utf8);
        return;
    }
    if (std::optional<std::string> cp932 = TextCodec::Utf8ToCp932(utf8)) {
        RawText(*cp932);
        return;
    }
    // Emoji and characters outside JIS would be lost in CP932.
    if (std::optional<std::string> wide = TextCodec::Utf8ToUtf16Le(utf8)) {
        WideText(*wide);
        return;
    }
    // Not valid UTF-8 at all: keep what can be kept.
    RawText(TextCodec::Utf8ToCp932Lossy(utf8));
}

void ArchiveWriter::Font(const CFontInfo& font) {
    if (!font.IsValid()) {
        I32(0);
        return;
    }
    I32(1);
    Text(font.GetFace());
    I32(font.GetSize());
    I32(font.GetStyleBits());
}

// Colour before width: the file's order, not the text form's.
void ArchiveWriter::Pen(const CPenInfo& pen) {
    I32(pen.GetStyle());
    U32(pen.GetColour());
    I32(pen.GetWidth());
}

}  // namespace qb
