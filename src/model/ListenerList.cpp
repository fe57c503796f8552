#include "ListenerList.h"

#include <algorithm>

namespace qb {

void ListenerList::Add(IPropertyChangeListener* listener) {
    if (!listener)
        return;
    if (!first_) {
        first_ = listener;
        return;
    }
    if (!more_)
        more_ = std::make_unique<std::vector<IPropertyChangeListener*>>();
    more_->push_back(listener);
}

void ListenerList::Remove(IPropertyChangeListener* listener) {
    if (more_)
        std::erase(*more_, listener);
    if (first_ == listener) {
        first_ = nullptr;
        if (more_ && !more_->empty()) {
            first_ = more_->front();
            more_->erase(more_->begin());
        }
    }
    if (more_ && more_->empty())
        more_.reset();
}

void ListenerList::NotifyAll() const {
    if (first_)
        first_->OnPropertyChanged();
    if (more_) {
        // A listener may add listeners while it is called; walk by index.
        for (std::size_t i = 0; i < more_->size(); ++i)
            (*more_)[i]->OnPropertyChanged();
    }
}

int ListenerList::Count() const {
    return (first_ ? 1 : 0) + (more_ ? static_cast<int>(more_->size()) : 0);
}

}  // namespace qb
