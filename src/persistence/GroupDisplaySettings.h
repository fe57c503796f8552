#pragma once

namespace qb {

// How appointments of a Tallyframe group become schedules: the working
// window as hhmm, the bar style, and whether schedules keep the appointments'
// times of day or are placed by day inside the working window.
struct GroupDisplaySettings {
    int time1 = 900;
    int time2 = 2100;
    // 0: tall bars with the caption inside; anything else: thin bars with
    // the caption below.
    int how = 0;
    bool exactTimes = true;

    bool operator==(const GroupDisplaySettings&) const = default;
};

}  // namespace qb
