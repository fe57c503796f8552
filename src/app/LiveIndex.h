#pragma once

namespace qb {

class CData;
class CDataArray;

// Positions in an array as the user sees it: deleted objects still held in
// memory do not count. Such positions stay right when a reload in shared
// mode drops those objects, where array indexes would shift.
class LiveIndex {
public:
    // The array slot before which the element shown at index goes; the end
    // for -1 or for an index at or past the number shown.
    static int Slot(const CDataArray& array, int index);
    // The index at which element is shown; -1 when it is not in the array.
    static int Of(const CDataArray& array, const CData& element);
};

}  // namespace qb
