#include "RulerBands.h"

#include "CProject.h"

namespace qb {

RulerBands RulerBands::OfProject(const CProject& project, int setting) {
    RulerBands bands;
    const int upper = project.GetUpperRulerUnit(setting);
    const int lower = project.GetLowerRulerUnit(setting);
    if (upper == kRulerDay && lower == kRulerDay) {
        bands.upperUnit = setting == 1 ? kRulerMonth : kRulerYear;
        bands.lowerUnit = setting == 1 ? kRulerDay : kRulerMonth;
        return bands;
    }
    bands.upperUnit = upper;
    bands.upperFormat = project.GetUpperRulerFormat(setting);
    bands.lowerUnit = lower;
    bands.lowerFormat = project.GetLowerRulerFormat(setting);
    return bands;
}

void RulerBands::StoreIn(CProject& project, int setting) const {
    project.SetUpperRulerUnit(setting, upperUnit);
    project.SetUpperRulerFormat(setting, upperFormat);
    project.SetLowerRulerUnit(setting, lowerUnit);
    project.SetLowerRulerFormat(setting, lowerFormat);
}

}  // namespace qb
