#include "LiveIndex.h"

#include "CDataArray.h"

namespace qb {
namespace {

bool IsShown(const CData* element) {
    return element != nullptr && !element->IsDeleted();
}

}  // namespace

int LiveIndex::Slot(const CDataArray& array, int index) {
    const int count = array.GetCount();
    if (index < 0)
        return count;
    int shown = 0;
    for (int slot = 0; slot < count; ++slot) {
        if (IsShown(array.GetAt(slot)) && shown++ == index)
            return slot;
    }
    return count;
}

int LiveIndex::Of(const CDataArray& array, const CData& element) {
    int shown = 0;
    for (int slot = 0, count = array.GetCount(); slot < count; ++slot) {
        const CData* at = array.GetAt(slot);
        if (at == &element)
            return shown;
        if (IsShown(at))
            ++shown;
    }
    return -1;
}

}  // namespace qb
