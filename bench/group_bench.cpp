// Reading one month of a busy group: ten thousand appointments of twenty
// members turned into schedules.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CGroupLink.h"
#include "GroupBytes.h"
#include "TestFolder.h"

namespace {

void BM_LoadMonthOf10000Appointments(benchmark::State& state) {
    qb::TestFolder folder;
    std::vector<qb::test::GroupMemberBytes> members;
    for (int i = 0; i < 20; ++i)
        members.push_back({"member " + std::to_string(i), "key" + std::to_string(i), 0});
    qb::TestFolder::Write(folder.File("team.group"), qb::test::GroupFileBytes("team", members));
    std::vector<qb::test::AppointmentBytes> appointments;
    const double first = qb::COleDateTime(2004, 5, 1, 0, 0, 0).GetDays();
    for (int i = 0; i < 10000; ++i) {
        const double start = first + i % 31 + (8 + i % 10) / 24.0;
        appointments.emplace_back(start, start + 1.5 / 24.0, "key" + std::to_string(i % 20),
                                  "打合せ " + std::to_string(i));
        appointments.back().detail = "会議室";
    }
    qb::TestFolder::Write(folder.File("team200405.sch"), qb::test::MonthFileBytes(appointments));
    qb::GroupDisplaySettings settings;
    settings.exactTimes = false;
    for (auto _ : state) {
        qb::CProject project;
        qb::CGroupLink link(folder.File("team.group"), settings);
        benchmark::DoNotOptimize(link.LoadMonths(project, 2004, 5, 2004, 5));
    }
}
BENCHMARK(BM_LoadMonthOf10000Appointments)->Unit(benchmark::kMillisecond);

}  // namespace
