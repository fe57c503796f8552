#include <benchmark/benchmark.h>

#include <string>

#include "COleDateTime.h"
#include "DateText.h"

namespace qb {
namespace {

// Walks through a spread of days so that no single date is measured.
int SpreadDay(int i) {
    return 1 + i % 28;
}
int SpreadMonth(int i) {
    return 1 + i % 12;
}
int SpreadYear(int i) {
    return 1900 + i % 300;
}

void BM_BuildFromFields(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        COleDateTime value(SpreadYear(i), SpreadMonth(i), SpreadDay(i), i % 24, i % 60, i % 60);
        benchmark::DoNotOptimize(value);
        ++i;
    }
}
BENCHMARK(BM_BuildFromFields);

void BM_SplitIntoFields(benchmark::State& state) {
    double days = 0.0;
    for (auto _ : state) {
        COleDateTime::Fields fields;
        COleDateTime(days, COleDateTime::valid).GetFields(fields);
        benchmark::DoNotOptimize(fields);
        days += 37.123;
        if (days > 100000.0) {
            days = -100.5;
        }
    }
}
BENCHMARK(BM_SplitIntoFields);

void BM_AddDays(benchmark::State& state) {
    COleDateTime value(2017, 2, 24, 13, 5, 0);
    int step = 1;
    for (auto _ : state) {
        value = value.AddDays(step);
        step = -step;
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_AddDays);

void BM_AddSpan(benchmark::State& state) {
    const COleDateTime start(2017, 2, 24, 0, 0, 0);
    const COleDateTimeSpan span(1.25);
    for (auto _ : state) {
        COleDateTime value = start + span;
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_AddSpan);

void BM_StepMonth(benchmark::State& state) {
    COleDateTime value(2017, 1, 31, 0, 0, 0);
    bool forward = true;
    int steps = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value.StepMonth(forward));
        if (++steps == 24) {
            steps = 0;
            forward = !forward;
        }
    }
}
BENCHMARK(BM_StepMonth);

void BM_PropertyText(benchmark::State& state) {
    const COleDateTime value(2017, 2, 24, 13, 5, 9);
    for (auto _ : state) {
        std::string text = DateText::PropertyText(value);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_PropertyText);

void BM_ParsePropertyText(benchmark::State& state) {
    const std::string text = "2017/02/24 13:05:09(0)";
    for (auto _ : state) {
        COleDateTime value = DateText::ParsePropertyText(text);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ParsePropertyText);

void BM_JapaneseDate(benchmark::State& state) {
    const COleDateTime value(2017, 2, 24, 13, 5, 9);
    for (auto _ : state) {
        std::string text = DateText::JapaneseDate(value, true, true);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_JapaneseDate);

void BM_CompactDate(benchmark::State& state) {
    const COleDateTime value(2017, 2, 24, 13, 5, 9);
    for (auto _ : state) {
        std::string text = DateText::CompactDate(value);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_CompactDate);

}  // namespace
}  // namespace qb
