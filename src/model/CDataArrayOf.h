#pragma once

#include "CDataArray.h"

namespace qb {

// A CDataArray whose elements are all of class T, with typed access.
template <class T>
class CDataArrayOf : public CDataArray {
public:
    using CDataArray::CDataArray;

    T* At(int index) const { return static_cast<T*>(GetAt(index)); }
    bool Accepts(const CData& element) const override {
        return dynamic_cast<const T*>(&element) != nullptr;
    }

    // Visits the filled slots in order.
    template <class F>
    void ForEach(F&& f) const {
        for (int i = 0, n = GetCount(); i < n; ++i) {
            if (T* element = At(i))
                f(*element);
        }
    }
    // The first element with that object id, deleted or not, or null.
    T* FindById(std::int32_t id) const {
        for (int i = 0, n = GetCount(); i < n; ++i) {
            T* element = At(i);
            if (element && element->GetObjectId() == id)
                return element;
        }
        return nullptr;
    }
};

}  // namespace qb
