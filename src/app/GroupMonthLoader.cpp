#include "GroupMonthLoader.h"

#include "CGroupLink.h"
#include "Document.h"

namespace qb {

bool GroupMonthLoader::PeriodShown(const COleDateTime& first, const COleDateTime& last) {
    auto* link = dynamic_cast<CGroupLink*>(document_.GetAccessor());
    CProject* project = document_.GetProject();
    if (link == nullptr || project == nullptr || loading_)
        return false;
    COleDateTime::Fields from;
    COleDateTime::Fields to;
    if (!first.GetFields(from) || !last.GetFields(to) || last < first)
        return false;
    loading_ = true;
    const bool read = link->LoadMonths(*project, from.year, from.month, to.year, to.month);
    if (read)
        document_.ContentChanged();
    loading_ = false;
    return read;
}

}  // namespace qb
