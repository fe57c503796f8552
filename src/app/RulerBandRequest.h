#pragma once

namespace qb {

// What the ruler settings dialog shows for one band and gives back: the
// band's unit and label format, and whether the choice is only for now or
// is saved in the project.
struct RulerBandRequest {
    // The upper band (which offers no day unit) or the lower one.
    bool upper = true;
    int unit = 0;
    int format = 0;
    // The other band's unit, which this one may not be finer or coarser than.
    int otherUnit = 0;
    bool saveToFile = false;
    // False for a read-only document: only the temporary choice is offered.
    bool canSave = true;

    bool operator==(const RulerBandRequest&) const = default;
};

}  // namespace qb
