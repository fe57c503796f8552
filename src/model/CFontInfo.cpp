#include "CFontInfo.h"

#include <utility>

namespace qb {

CFontInfo::CFontInfo(std::string face, std::int32_t size, std::int32_t styleBits, bool valid)
    : valid_(valid), size_(size) {
    SetFace(std::move(face));
    SetStyleBits(styleBits);
}

const std::string& CFontInfo::DefaultFace() {
    static const std::string face =
        "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";
    return face;
}

const std::string& CFontInfo::GetFace() const {
    return defaultFace_ ? DefaultFace() : face_;
}

void CFontInfo::SetFace(std::string face) {
    defaultFace_ = face == DefaultFace();
    face_ = defaultFace_ ? std::string() : std::move(face);
}

bool CFontInfo::operator==(const CFontInfo& other) const {
    if (!valid_ || !other.valid_)
        return valid_ == other.valid_;
    return size_ == other.size_ && styleBits_ == other.styleBits_ && GetFace() == other.GetFace();
}

}  // namespace qb
