#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace qb {

class CGuiObject;

// Display objects by object id. Ids come from one counter per project, so
// they are nearly dense and a table indexed by id finds an object without
// hashing; scattered ids fall back to a hash map. Objects are added in
// batches: Add every object of a batch, then Seal before the next Find. The
// first object added with an id keeps it. Each entry keeps the object's type
// beside it, so that a lookup for one type never touches the object itself,
// which may lie anywhere in memory.
class ObjectIdIndex {
public:
    void Clear();
    void Reserve(std::size_t count) { pending_.reserve(count); }
    // type: one of CGuiObject::ObjectType.
    void Add(std::int32_t id, CGuiObject* object, int type) {
        pending_.push_back(Pending{id, Entry{object, type}});
    }
    void Seal();
    // Null when no object has the id.
    CGuiObject* Find(std::int32_t id) const { return Lookup(id).object; }
    // Null also when the object with the id is of another type.
    CGuiObject* Find(std::int32_t id, int type) const {
        const Entry entry = Lookup(id);
        return entry.type == type ? entry.object : nullptr;
    }

private:
    struct Entry {
        CGuiObject* object = nullptr;
        int type = -1;
    };
    struct Pending {
        std::int32_t id;
        Entry entry;
    };

    Entry Lookup(std::int32_t id) const;
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
