#pragma once

#include <memory>
#include <vector>

#include "IPropertyChangeListener.h"

namespace qb {

// The listeners of one data object, in the order they were added. Almost
// every object has exactly one listener (the array that holds it), so the
// first one is kept inline and only further ones cost a heap block.
class ListenerList {
public:
    ListenerList() = default;
    ListenerList(const ListenerList&) = delete;
    ListenerList& operator=(const ListenerList&) = delete;

    void Add(IPropertyChangeListener* listener);
    // Forgets every registration of listener (used when an owner lets go of
    // an object, so the object never calls an owner that may be gone).
    void Remove(IPropertyChangeListener* listener);
    void NotifyAll() const;
    int Count() const;

private:
    IPropertyChangeListener* first_ = nullptr;
    std::unique_ptr<std::vector<IPropertyChangeListener*>> more_;
};

}  // namespace qb
