#include "CompactText.h"

#include <cstring>

namespace qb {

CompactText::CompactText(std::string_view text) {
    if (text.empty())
        return;
    const std::size_t size = text.size();
    data_ = std::make_unique<char[]>(sizeof size + size);
    std::memcpy(data_.get(), &size, sizeof size);
    std::memcpy(data_.get() + sizeof size, text.data(), size);
}

CompactText& CompactText::operator=(const CompactText& other) {
    if (this != &other)
        *this = CompactText(other.View());
    return *this;
}

std::string_view CompactText::View() const {
    if (!data_)
        return {};
    std::size_t size = 0;
    std::memcpy(&size, data_.get(), sizeof size);
    return std::string_view(data_.get() + sizeof size, size);
}

}  // namespace qb
