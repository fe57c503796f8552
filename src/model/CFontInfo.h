#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "FontFacePool.h"

namespace qb {

// A text font: face, size and style bits. A font that is not valid means
// "no font set here"; the consumer then uses its own default.
class CFontInfo {
public:
    enum StyleBit : std::int32_t { kStrikeOut = 1, kUnderline = 2, kItalic = 4, kBold = 8 };
    static constexpr std::int32_t kDefaultSize = 14;

    CFontInfo() = default;
    CFontInfo(std::string_view face, std::int32_t size, std::int32_t styleBits, bool valid = true);
    CFontInfo(const CFontInfo& other);
    CFontInfo(CFontInfo&& other) noexcept;
    CFontInfo& operator=(const CFontInfo& other);
    CFontInfo& operator=(CFontInfo&& other) noexcept;
    ~CFontInfo();

    // "ＭＳ ゴシック"
    static const std::string& DefaultFace();

    const std::string& GetFace() const { return face_ ? FontFacePool::Text(face_) : DefaultFace(); }
    void SetFace(std::string_view face);
    std::int32_t GetSize() const { return size_; }
    void SetSize(std::int32_t size) { size_ = size; }
    std::int32_t GetStyleBits() const { return styleBits_; }
    void SetStyleBits(std::int32_t bits) { styleBits_ = bits; }
    bool IsBold() const { return (styleBits_ & kBold) != 0; }
    bool IsItalic() const { return (styleBits_ & kItalic) != 0; }
    bool IsUnderline() const { return (styleBits_ & kUnderline) != 0; }
    bool IsStrikeOut() const { return (styleBits_ & kStrikeOut) != 0; }
    bool IsValid() const { return valid_; }
    void SetValid(bool valid) { valid_ = valid; }

    // Fonts are equal when their text forms are: all fonts that are not valid
    // are alike, valid ones compare face, size and style bits.
    bool operator==(const CFontInfo& other) const;

private:
    // Null for the default face, which nearly every font carries; any other
    // face is shared with every font of the same face.
    FontFacePool::Face* face_ = nullptr;
    std::int32_t styleBits_ = 0;
    std::int32_t size_ = kDefaultSize;
    bool valid_ = false;
};

}  // namespace qb
