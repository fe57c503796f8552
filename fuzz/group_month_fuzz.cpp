// A month file of a group is read as it stands, however it was cut or
// damaged; the records it gives must fit in its bytes and be safe to
// convert.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CProject.h"
#include "GroupMonthFile.h"
#include "GroupScheduleMaker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const qb::GroupMonthFile month = qb::GroupMonthFile::Read(bytes);
    // A record takes at least 59 bytes.
    if (month.appointments.size() * 59 > size)
        std::abort();
    qb::CProject project;
    qb::GroupDisplaySettings byDay;
    byDay.exactTimes = false;
    for (const qb::GroupDisplaySettings& settings : {qb::GroupDisplaySettings{}, byDay}) {
        const qb::GroupScheduleMaker maker(settings);
        for (const auto& appointment : month.appointments) {
            if (!maker.Shows(appointment))
                continue;
            const auto schedule = maker.Make(appointment, 1, project);
            if (schedule->GetStartOffset() < 0 || schedule->GetEndOffset() > 9999)
                std::abort();
        }
    }
    return 0;
}
