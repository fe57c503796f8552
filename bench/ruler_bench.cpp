#include <benchmark/benchmark.h>

#include "CRuler.h"
#include "CalendarSettings.h"
#include "HolidayCache.h"
#include "RecordingDrawContext.h"
#include "SystemHolidays.h"

namespace qb {
namespace {

const COleDateTime kOrigin(2015, 1, 1, 0, 0, 0);
const COleDateTime kTenYearsOn(2024, 12, 31, 0, 0, 0);

// A full-HD chart showing ten years: days (half a pixel each) below months.
void SetTenYearView(CRuler& ruler) {
    ruler.SetView(1920, kOrigin, kTenYearsOn);
    ruler.SetUnits(CRuler::Band::upper, kRulerMonth, 5);
    ruler.SetUnits(CRuler::Band::lower, kRulerDay, 1);
}

void BM_RebuildTenYearsOfDaysAndMonths(benchmark::State& state) {
    CalendarSettings settings;
    CRuler ruler(settings);
    SetTenYearView(ruler);
    for (auto _ : state) {
        ruler.SetScale(ruler.GetScale());
        ruler.Rebuild();
        benchmark::DoNotOptimize(ruler.GetRow(CRuler::Band::lower).labels.data());
    }
    state.counters["cells"] = static_cast<double>(ruler.GetRow(CRuler::Band::lower).CellCount());
}
BENCHMARK(BM_RebuildTenYearsOfDaysAndMonths)->Unit(benchmark::kMillisecond);

// The same with the Japanese holidays colouring the day cells, the cache
// emptied each time as after a change of the rules.
void BM_RebuildTenYearsWithHolidayColours(benchmark::State& state) {
    CalendarSettings settings;
    HolidayCache holidays(settings);
    holidays.SetSystemRules(SystemHolidays::BuiltInRules());
    CRuler ruler(settings, &holidays);
    SetTenYearView(ruler);
    for (auto _ : state) {
        holidays.ClearCache();
        ruler.SetScale(ruler.GetScale());
        ruler.Rebuild();
        benchmark::DoNotOptimize(ruler.GetRow(CRuler::Band::lower).labels.data());
    }
}
BENCHMARK(BM_RebuildTenYearsWithHolidayColours)->Unit(benchmark::kMillisecond);

// The widest span ScrollTo lets a ruler build: just under 32000 pixels at the
// smallest scale, 0.1 pixel per day, so some 320000 day cells.
void BM_RebuildTheWidestSpan(benchmark::State& state) {
    CalendarSettings settings;
    CRuler ruler(settings);
    ruler.SetView(1920, kOrigin, kTenYearsOn);
    ruler.SetScale(0.1);
    ruler.SetEnd(kOrigin.AddDays(319990 - 1));
    ruler.SetUnits(CRuler::Band::upper, kRulerYear, 3);
    ruler.SetUnits(CRuler::Band::lower, kRulerDay, 0);
    for (auto _ : state) {
        ruler.SetScale(0.1);
        ruler.Rebuild();
        benchmark::DoNotOptimize(ruler.GetRow(CRuler::Band::lower).labels.data());
    }
    state.counters["span_px"] = ruler.SpanPixels();
    state.counters["cells"] = static_cast<double>(ruler.GetRow(CRuler::Band::lower).CellCount());
}
BENCHMARK(BM_RebuildTheWidestSpan)->Unit(benchmark::kMillisecond);

// Painting a built ten-year ruler scrolled to its middle.
void BM_PaintTenYearWindow(benchmark::State& state) {
    CalendarSettings settings;
    HolidayCache holidays(settings);
    holidays.SetSystemRules(SystemHolidays::BuiltInRules());
    CRuler ruler(settings, &holidays);
    SetTenYearView(ruler);
    ruler.SetView(1920, kOrigin, COleDateTime(2015, 12, 31, 0, 0, 0));  // about 5 px a day
    ruler.SetEnd(kTenYearsOn);
    ruler.SetScrollPosition(ruler.DateToX(COleDateTime(2020, 1, 1, 0, 0, 0)));
    ruler.Rebuild();
    RecordingDrawContext dc;
    const COleDateTime today(2020, 2, 3, 0, 0, 0);
    for (auto _ : state) {
        dc.Clear();
        ruler.Paint(dc, today);
        benchmark::DoNotOptimize(dc.Records().data());
    }
    state.counters["records"] = static_cast<double>(dc.Records().size());
}
BENCHMARK(BM_PaintTenYearWindow)->Unit(benchmark::kMicrosecond);

// The pixel-to-day search every mouse move goes through.
void BM_XToDateOffset(benchmark::State& state) {
    const TimeScale scale(kOrigin, 7.3);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scale.XToDateOffset(x));
        x = x < 30000 ? x + 17 : -500;
    }
}
BENCHMARK(BM_XToDateOffset);

}  // namespace
}  // namespace qb
