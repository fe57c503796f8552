#pragma once

#include <optional>
#include <vector>

#include "IPropertyChangeListener.h"
#include "PropertyMap.h"

namespace qb {

// What only a few data objects have: listeners beyond the first, the property
// map and the parameter map. An object keeps these in one block created on
// first use and freed when it holds nothing again, so the many objects that
// have none of them pay for one pointer.
class ObjectExtras {
public:
    // In the order they were added; the object keeps the first itself.
    std::vector<IPropertyChangeListener*> listeners;
    // Each map exists from its first use on (an empty map is not no map).
    std::optional<PropertyMap> properties;
    std::optional<PropertyMap> params;

    bool Empty() const { return listeners.empty() && !properties && !params; }
};

}  // namespace qb
