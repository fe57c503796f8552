#include "CFontInfo.h"

#include <utility>

namespace qb {

CFontInfo::CFontInfo(std::string_view face, std::int32_t size, std::int32_t styleBits, bool valid)
    : size_(size), valid_(valid) {
    SetFace(face);
    SetStyleBits(styleBits);
}

CFontInfo::CFontInfo(const CFontInfo& other)
    : face_(other.face_), styleBits_(other.styleBits_), size_(other.size_), valid_(other.valid_) {
    if (face_)
        FontFacePool::AddRef(face_);
}

CFontInfo::CFontInfo(CFontInfo&& other) noexcept
    : face_(std::exchange(other.face_, nullptr)),
      styleBits_(other.styleBits_),
      size_(other.size_),
      valid_(other.valid_) {}

CFontInfo& CFontInfo::operator=(const CFontInfo& other) {
    CFontInfo copy(other);
    return *this = std::move(copy);
}

CFontInfo& CFontInfo::operator=(CFontInfo&& other) noexcept {
    if (this != &other) {
        if (face_)
            FontFacePool::Release(face_);
        face_ = std::exchange(other.face_, nullptr);
        styleBits_ = other.styleBits_;
        size_ = other.size_;
        valid_ = other.valid_;
    }
    return *this;
}

CFontInfo::~CFontInfo() {
    if (face_)
        FontFacePool::Release(face_);
}

const std::string& CFontInfo::DefaultFace() {
    static const std::string face =
        "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";
    return face;
}

void CFontInfo::SetFace(std::string_view face) {
    FontFacePool::Face* shared = face == DefaultFace() ? nullptr : FontFacePool::Acquire(face);
    if (face_)
        FontFacePool::Release(face_);
    face_ = shared;
}

// Faces are shared, so the same face is the same pointer.
bool CFontInfo::operator==(const CFontInfo& other) const {
    if (!valid_ || !other.valid_)
        return valid_ == other.valid_;
    return size_ == other.size_ && styleBits_ == other.styleBits_ && face_ == other.face_;
}

}  // namespace qb
