#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "CData.h"

namespace qb {

// An ordered, owning list of data objects of one element class that is itself
// a data object. It listens to its elements and passes their changes upwards.
// Slots may be empty after SetSize or SetAt with no element.
class CDataArray : public CData, public IPropertyChangeListener {
public:
    explicit CDataArray(std::int32_t objectId = 0);
    ~CDataArray() override;

    int GetType() const override { return kDataArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }

    void Add(std::unique_ptr<CData> element);
    void InsertAt(int index, std::unique_ptr<CData> element);
    // Replaces the element at index and hands the old one back to the caller.
    std::unique_ptr<CData> SetAt(int index, std::unique_ptr<CData> element);
    // Grows with empty slots or shrinks (deleting what falls off); a count
    // below 1 is ignored. Does not notify.
    void SetSize(int count);
    // Room for count elements in all, so that adding up to that many moves
    // nothing (readers know the count before the elements).
    void Reserve(int count);
    // Takes the element out of the array and hands it to the caller.
    std::unique_ptr<CData> RemoveAt(int index);
    std::vector<std::unique_ptr<CData>> RemoveAll();
    void DeleteAt(int index);
    void DeleteAll();
    CData* GetAt(int index) const {
        if (static_cast<std::size_t>(index) >= elements_.size())
            CheckIndex(index, GetCount());
        return elements_[static_cast<std::size_t>(index)].get();
    }
    // All slots, or with liveOnly only filled slots whose element is not deleted.
    int GetCount(bool liveOnly = false) const;
    // Index of that very object, or -1.
    int Find(const CData* element) const;
    // Assign on the array itself, then element by element by position:
    // assign in place, clone the surplus source elements, delete own surplus.
    bool AssignElements(const CDataArray& source);

    void OnPropertyChanged() override;

    // Whether an object may be held by this array (its element class).
    virtual bool Accepts(const CData& element) const;

protected:
    // Hooks for arrays whose elements must know their holder (rows).
    virtual void Adopted(CData& element);
    virtual void Released(CData& element);

private:
    void CheckIndex(int index, int limit) const;
    std::unique_ptr<CData> Take(std::unique_ptr<CData>& slot);
    void Attach(CData& element);

    std::vector<std::unique_ptr<CData>> elements_;
};

}  // namespace qb
