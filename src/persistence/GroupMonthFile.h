#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "COleDateTime.h"
#include "ColorRef.h"

namespace qb {

// One month of a Tallyframe group's appointments, as read from its month
// file: the records in file order.
struct GroupMonthFile {
    // Flag bits of a record.
    static constexpr std::int32_t kAllDay = 0x1000;
    static constexpr std::int32_t kPrivate = 0x400;
    static constexpr std::int32_t kExcluded = 0x200;

    struct Appointment {
        std::int32_t flags = 0;
        COleDateTime start;
        COleDateTime end;
        ColorRef colour = kWhite;
        // Position (in file order) of the record this one replaces; only
        // meant when Supersedes().
        std::int32_t supersedes = -1;
        std::string title;
        std::string memberKey;
        std::string detail;
        // Another record of the file replaces this one.
        bool superseded = false;

        bool IsAllDay() const { return (flags & kAllDay) != 0; }
        bool IsPrivate() const { return (flags & kPrivate) != 0; }
        bool IsExcluded() const { return (flags & kExcluded) != 0; }
        bool Supersedes() const {
            const std::int32_t kind = flags & 0xFF;
            return kind == 1 || kind == 2;
        }
    };

    std::vector<Appointment> appointments;
    // A record could not be made sense of (too few integers or strings);
    // the records before it are kept, nothing after it is read.
    bool damaged = false;

    // Reads records up to the end of the bytes; a record cut off by the end
    // ends the list. Then marks the records that others supersede, ignoring
    // positions outside the file's records.
    static GroupMonthFile Read(std::string_view bytes);
};

}  // namespace qb
