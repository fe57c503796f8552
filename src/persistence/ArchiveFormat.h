#pragma once

#include <cstdint>
#include <string_view>

namespace qb {

// Fixed values of the native file: the header and the record tags (an
// object's type number plus one).
struct ArchiveFormat {
    static constexpr std::string_view kSignature = "Quellbrandiren";
    static constexpr std::uint32_t kMagic = 0x10101010;
    static constexpr std::string_view kArchiveWord = "Archive";
    // The first version that is too new to read.
    static constexpr std::int32_t kFirstUnreadableVersion = 5;

    enum Tag : std::int32_t {
        kCommonTag = 1,
        kArrayTag = 2,
        kColumnTag = 3,
        kColumnArrayTag = 4,
        kMemoTag = 5,
        kDrawPartTag = 6,
        kDrawPartArrayTag = 7,
        kProjectTag = 8,
        kLinkTag = 9,
        kLinkArrayTag = 10,
        kRowTag = 11,
        kRowArrayTag = 12,
        kScheduleTag = 13,
        kScheduleArrayTag = 14,
        kHolidayPartTag = 15,
        kHolidayArrayTag = 16,
        kYmdHolidayTag = 17,
        kMdHolidayTag = 18,
        kMwHolidayTag = 19,
        kMonthlyHolidayTag = 20,
        kMonthlyWHolidayTag = 21,
        kWeeklyHolidayTag = 22,
    };

    // The schedule's weight travels among its params under this name.
    static constexpr std::string_view kWeightParam = "_w";
    // Progress pair value that stands for "no quantities" (results and plan 0).
    static constexpr std::uint32_t kNoQuantities = 100;

    static constexpr const char* kFormatMessage =
        "ファイル形式が正しくありません。または、ファイルが破損しています。";
    static constexpr const char* kTooNewMessage =
        "指定したファイルは、このバージョンのQuellbrandirenでは開けません。\r\n"
        "新しいバージョンのプログラムで開いて下さい。";
};

}  // namespace qb
