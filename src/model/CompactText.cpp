#include "CompactText.h"

#include <cstring>
#include <utility>

namespace qb {

CompactText::CompactText(std::string_view text) {
    const std::size_t size = text.size();
    if (size == 0)
        return;
    if (size <= kInlineCapacity) {
        std::memcpy(reinterpret_cast<char*>(&word_) + kInlineOffset, text.data(), size);
        word_ |= static_cast<std::uintptr_t>(size << 1) | kInlineBit;
        return;
    }
    // operator new[] aligns every block for any fundamental type.
    char* block = new char[sizeof size + size];
    std::memcpy(block, &size, sizeof size);
    std::memcpy(block + sizeof size, text.data(), size);
    word_ = reinterpret_cast<std::uintptr_t>(block);
}

CompactText& CompactText::operator=(const CompactText& other) {
    if (this != &other)
        *this = CompactText(other.View());
    return *this;
}

CompactText& CompactText::operator=(CompactText&& other) noexcept {
    if (this != &other) {
        Release();
        word_ = std::exchange(other.word_, 0);
    }
    return *this;
}

std::string_view CompactText::HeapView() const {
    const char* block = reinterpret_cast<const char*>(word_);
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    return std::string_view(block + sizeof size, size);
}

void CompactText::Release() {
    if (word_ != 0 && !(word_ & kInlineBit))
        delete[] reinterpret_cast<char*>(word_);
    word_ = 0;
}

}  // namespace qb
