#include "CTypeRegistry.h"

#include <array>

#include "CData.h"

namespace qb {
namespace {

constexpr std::array<std::string_view, CData::kTypeCount> kTagWords = {
    "data",
    "dataarray",
    "column",
    "columnarray",
    "memo",
    "drawpart",
    "drawpartarray",
    "project",
    "link",
    "linkarray",
    "row",
    "rowarray",
    "schedule",
    "schedulearray",
    "holiday",
    "holidayarray",
    "ymdholiday",
    "mdholiday",
    "mwholiday",
    "monthlyholiday",
    "monthlywholiday",
    "weeklyholiday",
    "schedulestyle",
    "schedulestylearray",
    "styledata",
};

}  // namespace

std::string_view CTypeRegistry::GetTagWord(int type) {
    if (type < 0 || type >= CData::kTypeCount)
        return {};
    return kTagWords[static_cast<std::size_t>(type)];
}

int CTypeRegistry::GetTypeOf(std::string_view tagWord) {
    for (std::size_t i = 0; i < kTagWords.size(); ++i) {
        if (kTagWords[i] == tagWord)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace qb
