#include "CDataArray.h"

#include <stdexcept>
#include <string>

namespace qb {

CDataArray::CDataArray(std::int32_t objectId) : CData(objectId) {}

CDataArray::~CDataArray() {
    // Elements die with the array; tell none of them anything on the way out.
    SetNotifyEnabled(false);
}

void CDataArray::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) {
        throw std::invalid_argument("array index " + std::to_string(index) + " outside 0.." +
                                    std::to_string(limit - 1));
    }
}

void CDataArray::Attach(CData& element) {
    if (!Accepts(element)) {
        throw std::invalid_argument("element of type " + std::to_string(element.GetType()) +
                                    " does not belong in an array of type " +
                                    std::to_string(GetType()));
    }
    element.AddListener(this);
    Adopted(element);
}

// Elements that leave the array stop reporting to it: the array may be gone
// long before the element is.
std::unique_ptr<CData> CDataArray::Take(std::unique_ptr<CData>& slot) {
    std::unique_ptr<CData> element = std::move(slot);
    if (element) {
        element->RemoveListener(this);
        Released(*element);
    }
    return element;
}

void CDataArray::Add(std::unique_ptr<CData> element) {
    if (!element)
        throw std::invalid_argument("null element");
    Attach(*element);
    elements_.push_back(std::move(element));
    NotifyListeners();
}

void CDataArray::InsertAt(int index, std::unique_ptr<CData> element) {
    if (!element)
        throw std::invalid_argument("null element");
    CheckIndex(index, GetCount() + 1);
    Attach(*element);
    elements_.insert(elements_.begin() + index, std::move(element));
    NotifyListeners();
}

std::unique_ptr<CData> CDataArray::SetAt(int index, std::unique_ptr<CData> element) {
    CheckIndex(index, GetCount());
    if (element)
        Attach(*element);
    std::unique_ptr<CData> old = Take(elements_[static_cast<size_t>(index)]);
    elements_[static_cast<size_t>(index)] = std::move(element);
    NotifyListeners();
    return old;
}

void CDataArray::SetSize(int count) {
    if (count < 1)
        return;
    RenewChangeStamp();
    while (GetCount() > count) {
        Take(elements_.back());
        elements_.pop_back();
    }
    elements_.resize(static_cast<size_t>(count));
}

void CDataArray::Reserve(int count) {
    if (count > 0)
        elements_.reserve(static_cast<std::size_t>(count));
}

std::unique_ptr<CData> CDataArray::RemoveAt(int index) {
    CheckIndex(index, GetCount());
    std::unique_ptr<CData> element = Take(elements_[static_cast<size_t>(index)]);
    elements_.erase(elements_.begin() + index);
    NotifyListeners();
    return element;
}

std::vector<std::unique_ptr<CData>> CDataArray::RemoveAll() {
    std::vector<std::unique_ptr<CData>> removed;
    removed.reserve(elements_.size());
    for (auto& slot : elements_)
        removed.push_back(Take(slot));
    elements_.clear();
    NotifyListeners();
    return removed;
}

void CDataArray::DeleteAt(int index) {
    CheckIndex(index, GetCount());
    Take(elements_[static_cast<size_t>(index)]);
    elements_.erase(elements_.begin() + index);
    NotifyListeners();
}

void CDataArray::DeleteAll() {
    for (auto& slot : elements_)
        Take(slot);
    elements_.clear();
    NotifyListeners();
}

int CDataArray::GetCount(bool liveOnly) const {
    if (!liveOnly)
        return static_cast<int>(elements_.size());
    int count = 0;
    for (const auto& element : elements_) {
        if (element && !element->IsDeleted())
            ++count;
    }
    return count;
}

int CDataArray::Find(const CData* element) const {
    for (size_t i = 0; i < elements_.size(); ++i) {
        if (elements_[i].get() == element)
            return static_cast<int>(i);
    }
    return -1;
}

bool CDataArray::AssignElements(const CDataArray& source) {
    if (!Assign(source))
        return false;
    const int sourceCount = source.GetCount();
    for (int i = 0; i < sourceCount; ++i) {
        const CData* from = source.GetAt(i);
        CData* own = i < GetCount() ? GetAt(i) : nullptr;
        if (own && from && own->Assign(*from))
            continue;
        std::unique_ptr<CData> copy = from ? from->Clone() : nullptr;
        if (i < GetCount()) {
            SetAt(i, std::move(copy));
        } else if (copy) {
            Add(std::move(copy));
        } else {
            elements_.emplace_back();
            RenewChangeStamp();
        }
    }
    while (GetCount() > sourceCount)
        DeleteAt(GetCount() - 1);
    return true;
}

void CDataArray::OnPropertyChanged() {
    NotifyListeners();
}

bool CDataArray::Accepts(const CData&) const {
    return true;
}

void CDataArray::Adopted(CData&) {}

void CDataArray::Released(CData&) {}

}  // namespace qb
