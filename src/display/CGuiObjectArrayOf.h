#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "CGuiObject.h"

namespace qb {

// An owning array of display objects of class T. It holds them through the
// base, so the class that declares an array needs only a forward declaration
// of T; the typed accessors are compiled where T is complete.
template <class T>
class CGuiObjectArrayOf {
public:
    std::size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    void Clear() { items_.clear(); }
    void Reserve(std::size_t count) { items_.reserve(count); }

    CGuiObject* Base(std::size_t index) const { return items_[index].get(); }
    T* At(std::size_t index) const { return static_cast<T*>(items_[index].get()); }
    // Takes the object and sets its index to its position.
    T* Add(std::unique_ptr<T> item) {
        item->SetIndex(static_cast<std::int32_t>(items_.size()));
        T* raw = item.get();
        items_.push_back(std::move(item));
        return raw;
    }
    CGuiObject* FindById(std::int32_t id) const {
        for (const auto& item : items_) {
            if (item->GetObjectId() == id)
                return item.get();
        }
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<CGuiObject>> items_;
};

}  // namespace qb
