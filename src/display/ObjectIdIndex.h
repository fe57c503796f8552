#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qb {

class CGuiObject;

// Display objects by object id. Ids come from one counter per project, so
// they are nearly dense and a table indexed by id finds an object without
// hashing; scattered ids fall back to a hash map. Objects are added in
// batches: Add every object of a batch, then Seal before the next Find. The
// first object added with an id keeps it.
class ObjectIdIndex {
public:
    void Clear();
    void Reserve(std::size_t count) { pending_.reserve(count); }
    void Add(std::int32_t id, CGuiObject* object) { pending_.emplace_back(id, object); }
    void Seal();
    // Null when no object has the id.
    CGuiObject* Find(std::int32_t id) const;

private:
    void SealDense(std::int64_t low, std::int64_t high);
    void MoveToSparse();

    std::vector<std::pair<std::int32_t, CGuiObject*>> pending_;
    std::size_t count_ = 0;
    std::vector<CGuiObject*> dense_;
    std::int64_t low_ = 0;
    bool sparse_ = false;
    std::unordered_map<std::int32_t, CGuiObject*> byId_;
};

}  // namespace qb
