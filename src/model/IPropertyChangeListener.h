#pragma once

namespace qb {

// Told that something changed in an object it listens to. Owners (arrays,
// rows, the project) listen to what they own and pass the call upwards.
class IPropertyChangeListener {
public:
    virtual ~IPropertyChangeListener() = default;
    virtual void OnPropertyChanged() = 0;
};

}  // namespace qb
