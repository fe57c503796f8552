#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// Text that is empty or short in nearly every object (audit names, remarks,
// reference texts): one pointer wide. Empty text allocates nothing, text of up
// to seven bytes is kept inside the object, only longer text takes a heap
// block. A large project holds hundreds of thousands of these.
class CompactText {
public:
    CompactText() = default;
    CompactText(std::string_view text);  // NOLINT: converts like a string
    CompactText(const std::string& text) : CompactText(std::string_view(text)) {}
    CompactText(const char* text) : CompactText(std::string_view(text)) {}
    CompactText(const CompactText& other) : CompactText(other.View()) {}
    CompactText(CompactText&& other) noexcept : word_(other.word_) { other.word_ = 0; }
    CompactText& operator=(const CompactText& other);
    CompactText& operator=(CompactText&& other) noexcept;
    ~CompactText() { Release(); }

    std::string_view View() const {
        if (word_ & kInlineBit)
            return std::string_view(InlineBytes(), (word_ & 0xFF) >> 1);
        return word_ ? HeapView() : std::string_view();
    }
    operator std::string_view() const { return View(); }  // NOLINT
    std::string Str() const { return std::string(View()); }
    bool empty() const { return word_ == 0; }
    std::size_t size() const { return View().size(); }

    bool operator==(const CompactText& other) const { return View() == other.View(); }
    bool operator==(std::string_view other) const { return View() == other; }

    // The longest text kept without a heap block.
    static constexpr std::size_t kInlineCapacity = sizeof(std::uintptr_t) - 1;

private:
    // The word is 0 while empty. Otherwise its lowest bit tells the two forms
    // apart: set, the low byte holds the length times two plus one and the
    // other bytes the text; clear, it is the address of a heap block holding
    // the length (a size_t) followed by the bytes. Heap blocks are aligned,
    // so their addresses never have that bit set.
    static constexpr std::uintptr_t kInlineBit = 1;
    // Where the text starts inside the word: after its low byte.
    static constexpr std::size_t kInlineOffset = std::endian::native == std::endian::little ? 1 : 0;

    const char* InlineBytes() const {
        return reinterpret_cast<const char*>(&word_) + kInlineOffset;
    }
    std::string_view HeapView() const;
    void Release();

    std::uintptr_t word_ = 0;
};

}  // namespace qb
