#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace qb {

// Text that is empty in nearly every object (audit names, remarks, reference
// texts): one pointer wide, with nothing allocated while it is empty. A large
// project holds hundreds of thousands of these.
class CompactText {
public:
    CompactText() = default;
    CompactText(std::string_view text);  // NOLINT: converts like a string
    CompactText(const std::string& text) : CompactText(std::string_view(text)) {}
    CompactText(const char* text) : CompactText(std::string_view(text)) {}
    CompactText(const CompactText& other) : CompactText(other.View()) {}
    CompactText(CompactText&&) noexcept = default;
    CompactText& operator=(const CompactText& other);
    CompactText& operator=(CompactText&&) noexcept = default;

    std::string_view View() const;
    operator std::string_view() const { return View(); }  // NOLINT
    std::string Str() const { return std::string(View()); }
    bool empty() const { return !data_; }
    std::size_t size() const { return View().size(); }

    bool operator==(const CompactText& other) const { return View() == other.View(); }
    bool operator==(std::string_view other) const { return View() == other; }

private:
    // The length (a size_t) followed by the bytes; null while empty.
    std::unique_ptr<char[]> data_;
};

}  // namespace qb
