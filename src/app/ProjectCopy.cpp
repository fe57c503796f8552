#include "ProjectCopy.h"

#include "CProject.h"

namespace qb {
namespace {

void CopyRows(const CRowArray& source, CRowArray& target) {
    for (int i = 0, n = source.GetCount(); i < n; ++i) {
        const CRow* row = source.At(i);
        if (!row)
            continue;
        auto copy = std::make_unique<CRow>();
        copy->Assign(*row);
        CopyRows(row->GetChildren(), copy->GetChildren());
        target.Add(std::move(copy));
    }
}

// Every element of a flat array, tombstones included, so that ids stay taken.
void CopyElements(const CDataArray& source, CDataArray& target) {
    for (int i = 0, n = source.GetCount(); i < n; ++i) {
        if (const CData* element = source.GetAt(i))
            target.Add(element->Clone());
    }
}

}  // namespace

void ProjectCopy::CopyContent(const CProject& source, CProject& target) {
    if (&source == &target)
        return;
    target.GetRows().DeleteAll();
    target.GetColumns().DeleteAll();
    target.GetSchedules().DeleteAll();
    target.GetLinks().DeleteAll();
    target.GetDrawParts().DeleteAll();
    CopyRows(source.GetRows(), target.GetRows());
    CopyElements(source.GetColumns(), target.GetColumns());
    CopyElements(source.GetSchedules(), target.GetSchedules());
    CopyElements(source.GetLinks(), target.GetLinks());
    CopyElements(source.GetDrawParts(), target.GetDrawParts());
    target.SetDisplayColumns(source.IsDisplayColumns());
}

void ProjectCopy::CopyProjectValues(const CProject& source, CProject& target) {
    // CProject's own CopyFrom leaves the arrays alone; Assign adds the params.
    target.Assign(source);
}

void ProjectCopy::CopyHolidays(const CProject& source, CProject& target) {
    if (&source == &target)
        return;
    target.GetHolidays().DeleteAll();
    CopyElements(source.GetHolidays(), target.GetHolidays());
}

void ProjectCopy::CopyFull(const CProject& source, CProject& target) {
    CopyProjectValues(source, target);
    CopyContent(source, target);
    CopyHolidays(source, target);
}

}  // namespace qb
