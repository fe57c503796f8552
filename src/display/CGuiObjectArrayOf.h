#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "CGuiObject.h"
#include "HeapAdvice.h"

namespace qb {

// An owning array of display objects of class T. It holds them through the
// base, so the class that declares an array needs only a forward declaration
// of T; the typed accessors are compiled where T is complete.
//
// The objects Emplace makes lie side by side in one block that Reserve sizes
// and that outlives Clear: a tree rebuilt after every edit then allocates
// nothing for them, and layout walks them in the order they lie in memory.
// Past the reserved room, and for objects given to Add, each object is a heap
// block of its own.
//
// A rebuild may keep objects of the last build where they lie. StartRebuild
// leaves every object alive when the block has room for the new build's
// count, and otherwise starts over with an empty array of that room; the next object of the new
// build then takes the position of the left object Next returns: KeepNext keeps that object,
// Emplace destroys it and makes a new one in its place. FinishRebuild
// destroys whatever is left. Only arrays filled by Emplace alone rebuild this
// way, as they hold the object at position i in slot i of the block.
template <class T>
class CGuiObjectArrayOf {
public:
    CGuiObjectArrayOf() = default;
    ~CGuiObjectArrayOf() { Clear(); }
    CGuiObjectArrayOf(const CGuiObjectArrayOf&) = delete;
    CGuiObjectArrayOf& operator=(const CGuiObjectArrayOf&) = delete;

    std::size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    // Destroys every object and keeps the room reserved for them.
    void Clear() {
        for (CGuiObject* item : items_)
            Destroy(item);
        items_.clear();
        used_ = 0;
        rebuilt_ = kNotRebuilding;
    }
    // The number of objects the block holds.
    std::size_t Capacity() const { return capacity_; }

    void StartRebuild(std::size_t count) {
        if (count <= capacity_) {
            rebuilt_ = 0;
            return;
        }
        Clear();
        Reserve(count);
    }
    // The object of the last build at the position the next object takes;
    // null past them.
    T* Next() const {
        return rebuilt_ < items_.size() ? static_cast<T*>(items_[rebuilt_]) : nullptr;
    }
    T* KeepNext() {
        T* item = Next();
        item->SetIndex(static_cast<std::int32_t>(rebuilt_++));
        return item;
    }
    void FinishRebuild() {
        if (rebuilt_ == kNotRebuilding)
            return;
        for (std::size_t i = rebuilt_; i < items_.size(); ++i)
            Destroy(items_[i]);
        items_.resize(rebuilt_);
        used_ = std::min(rebuilt_, capacity_);
        rebuilt_ = kNotRebuilding;
    }
    // Destroys every object and gives the room back.
    void Release() {
        Clear();
        items_ = {};
        block_.reset();
        blockEnd_ = nullptr;
        capacity_ = 0;
    }
    // Room for count objects; the block grows only while the array is empty,
    // as the objects in it must stay where they are.
    void Reserve(std::size_t count) {
        items_.reserve(count);
        if (count <= capacity_ || !items_.empty())
            return;
        static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
        block_.reset();
        capacity_ = 0;
        blockEnd_ = nullptr;
        block_ = std::make_unique_for_overwrite<std::byte[]>(count * sizeof(T));
        // Every rebuild and layout walks the whole block: with huge pages
        // the walk does not wait on address translation at every few objects.
        HeapAdvice::AdviseHugePages(block_.get(), count * sizeof(T));
        capacity_ = count;
        blockEnd_ = block_.get() + count * sizeof(T);
    }

    CGuiObject* Base(std::size_t index) const { return items_[index]; }
    T* At(std::size_t index) const { return static_cast<T*>(items_[index]); }
    // Makes an object in the reserved room (or on the heap when it is full)
    // and sets its index to its position.
    template <class... Args>
    T* Emplace(Args&&... args) {
        if (rebuilt_ < items_.size())
            return Replace(std::forward<Args>(args)...);
        if (used_ == capacity_)
            return Add(std::make_unique<T>(std::forward<Args>(args)...));
        T* item = new (block_.get() + used_ * sizeof(T)) T(std::forward<Args>(args)...);
        ++used_;
        try {
            return Place(item);
        } catch (...) {
            item->~T();
            --used_;
            throw;
        }
    }
    // Takes the object and sets its index to its position.
    T* Add(std::unique_ptr<T> item) {
        Place(item.get());
        return item.release();
    }
    CGuiObject* FindById(std::int32_t id) const {
        for (CGuiObject* item : items_) {
            if (item->GetObjectId() == id)
                return item;
        }
        return nullptr;
    }

private:
    static constexpr std::size_t kNotRebuilding = static_cast<std::size_t>(-1);

    // Emplace in a rebuild, in the place of the left object at its position.
    template <class... Args>
    T* Replace(Args&&... args) {
        const std::size_t at = rebuilt_;
        CGuiObject*& slot = items_[at];
        const bool inBlock = InBlock(slot);
        Destroy(slot);
        // Until the new object stands, the position holds none.
        slot = nullptr;
        T* item = inBlock ? new (block_.get() + at * sizeof(T)) T(std::forward<Args>(args)...)
                          : new T(std::forward<Args>(args)...);
        item->SetIndex(static_cast<std::int32_t>(at));
        slot = item;
        ++rebuilt_;
        return item;
    }
    void Destroy(CGuiObject* item) {
        if (item == nullptr)
            return;
        if (InBlock(item))
            item->~CGuiObject();
        else
            delete item;
    }
    T* Place(T* item) {
        item->SetIndex(static_cast<std::int32_t>(items_.size()));
        items_.push_back(item);
        if (rebuilt_ != kNotRebuilding)
            rebuilt_ = items_.size();
        return item;
    }
    bool InBlock(const CGuiObject* item) const {
        const auto* at = reinterpret_cast<const std::byte*>(item);
        return std::greater_equal<const std::byte*>()(at, block_.get()) &&
               std::less<const std::byte*>()(at, blockEnd_);
    }

    std::vector<CGuiObject*> items_;
    std::unique_ptr<std::byte[]> block_;
    std::byte* blockEnd_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    // In a rebuild, the objects of the new build so far.
    std::size_t rebuilt_ = kNotRebuilding;
};

}  // namespace qb
