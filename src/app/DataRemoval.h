#pragma once

#include <cstdint>

namespace qb {

class CData;
class CProject;
class EditStamp;

// What the edits share about objects hanging from one another: which rows
// and link ends are live, the row an object hangs from, and deletion that
// takes along everything depending on the deleted object.
class DataRemoval {
public:
    // A live row: present, not deleted, and not below a deleted row.
    static bool IsLiveRow(const CProject& project, std::int32_t id);
    // A link end: a live schedule or memo other than the link itself.
    static bool IsLiveEnd(const CProject& project, std::int32_t id, std::int32_t self);
    // The row a schedule or memo hangs from; kNoObject for anything else.
    static std::int32_t OwningRow(const CData* object);
    // Marks the object deleted; a row takes its sub-rows and everything on
    // them along, a column its cells, and links lose their ends with the
    // objects they join.
    static void DeleteFound(CProject& project, CData& object, const EditStamp& stamp);
};

}  // namespace qb
