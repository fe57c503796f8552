#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace qb {

class CData;
class CGuiObject;

// Display objects by object id. Ids come from one counter per project, so
// they are nearly dense and a table indexed by id finds an object without
// hashing; scattered ids fall back to a hash map. Objects are added in
// batches: Add every object of a batch, then Seal before the next Find. The
// first object added with an id keeps it. Each entry keeps the object's type
// and data beside it, so that a lookup never touches the object itself,
// which may lie anywhere in memory.
//
// Where the span of the ids is known before the first Add, Expect sets the
// table up for it, and objects inside it go straight into their slots.
class ObjectIdIndex {
public:
    void Clear();
    // The ids low..high are about to come, count objects in all.
    void Expect(std::int64_t low, std::int64_t high, std::size_t count);
    void Reserve(std::size_t count) { pending_.reserve(count); }
    // type: one of CGuiObject::ObjectType.
    void Add(std::int32_t id, CGuiObject* object, int type, const CData* data = nullptr) {
        const std::int64_t at = std::int64_t{id} - low_;
        if (!sparse_ && at >= 0 && at < static_cast<std::int64_t>(dense_.size())) {
            Entry& slot = dense_[static_cast<std::size_t>(at)];
            if (slot.object == nullptr)
                slot = Entry{object, data, type};
            ++count_;
            return;
        }
        pending_.push_back(Pending{id, Entry{object, data, type}});
    }
    void Seal();
    // Null when no object has the id.
    CGuiObject* Find(std::int32_t id) const { return Lookup(id).object; }
    // Null also when the object with the id is of another type.
    CGuiObject* Find(std::int32_t id, int type) const {
        const Entry entry = Lookup(id);
        return entry.type == type ? entry.object : nullptr;
    }
    // The same, with the data object the object was added with.
    CGuiObject* Find(std::int32_t id, int type, const CData*& data) const {
        const Entry entry = Lookup(id);
        if (entry.type != type)
            return nullptr;
        data = entry.data;
        return entry.object;
    }

private:
    struct Entry {
        CGuiObject* object = nullptr;
        const CData* data = nullptr;
        int type = -1;
    };
    struct Pending {
        std::int32_t id;
        Entry entry;
    };

    Entry Lookup(std::int32_t id) const {
        if (sparse_)
            return LookupSparse(id);
        const std::int64_t at = std::int64_t{id} - low_;
        return at >= 0 && at < static_cast<std::int64_t>(dense_.size())
                   ? dense_[static_cast<std::size_t>(at)]
                   : Entry{};
    }
    Entry LookupSparse(std::int32_t id) const;
    void SealDense(std::int64_t low, std::int64_t high);
    void MoveToSparse();

    std::vector<Pending> pending_;
    std::size_t count_ = 0;
    std::vector<Entry> dense_;
    std::int64_t low_ = 0;
    bool sparse_ = false;
    std::unordered_map<std::int32_t, Entry> byId_;
};

}  // namespace qb
