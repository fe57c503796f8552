#pragma once

#include <optional>
#include <vector>

#include "IPropertyChangeListener.h"
#include "PropertyMap.h"

namespace qb {

// What only a few data objects have: listeners beyond the first, the property
// map and the parameter map. An object keeps these in one block created on
// first use and freed when it holds nothing again, so the many objects that
// have none of them pay nothing beyond the word that holds their listener.
class ObjectExtras {
public:
    // The first listener while the block exists (the object keeps it in its
    // own word otherwise), then the others in the order they were added.
    IPropertyChangeListener* first = nullptr;
    std::vector<IPropertyChangeListener*> listeners;
    // Each map exists from its first use on (an empty map is not no map).
    std::optional<PropertyMap> properties;
    std::optional<PropertyMap> params;

    // Nothing the object could not keep in its own word.
    bool Empty() const { return listeners.empty() && !properties && !params; }
};

}  // namespace qb
