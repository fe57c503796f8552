#include <benchmark/benchmark.h>

#include <memory>

#include "CalendarSettings.h"
#include "HolidayCache.h"
#include "JapaneseHolidaySet.h"
#include "SystemHolidays.h"

namespace qb {
namespace {

// Ten years of days, 2021 to 2030, with the built-in Japanese rule set.
const COleDateTime kFirst(2021, 1, 1, 0, 0, 0);
const COleDateTime kLast(2030, 12, 31, 0, 0, 0);

int MarkTenYears(HolidayCache& cache) {
    int holidays = 0;
    for (COleDateTime day = kFirst; day <= kLast; day = day.AddDays(1))
        holidays += cache.DayMark(day) == 1;
    return holidays;
}

// Every month computed afresh, as after ClearCache.
void BM_DayMarkTenYearsCold(benchmark::State& state) {
    CalendarSettings settings;
    HolidayCache cache(settings);
    cache.SetSystemRules(SystemHolidays::BuiltInRules());
    for (auto _ : state) {
        cache.ClearCache();
        benchmark::DoNotOptimize(MarkTenYears(cache));
    }
    state.SetItemsProcessed(state.iterations() * 3652);
}
BENCHMARK(BM_DayMarkTenYearsCold)->Unit(benchmark::kMillisecond);

// Every month already in the cache, as when a chart is repainted.
void BM_DayMarkTenYearsWarm(benchmark::State& state) {
    CalendarSettings settings;
    HolidayCache cache(settings);
    cache.SetSystemRules(SystemHolidays::BuiltInRules());
    MarkTenYears(cache);
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkTenYears(cache));
    state.SetItemsProcessed(state.iterations() * 3652);
}
BENCHMARK(BM_DayMarkTenYearsWarm)->Unit(benchmark::kMicrosecond);

void BM_LoadBuiltInRules(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SystemHolidays::BuiltInRules());
}
BENCHMARK(BM_LoadBuiltInRules)->Unit(benchmark::kMillisecond);

// What every chart scene does once, in the window and in the tool alike.
void BM_BuildJapaneseHolidaySet(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(JapaneseHolidaySet::Build());
}
BENCHMARK(BM_BuildJapaneseHolidaySet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
