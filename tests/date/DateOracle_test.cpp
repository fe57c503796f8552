// The date value checked against references that share none of its code: a
// day-by-day count over the whole calendar, and a table written by Python's
// datetime (tests/data/make_dates_oracle.py).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "DateText.h"
#include "TestPaths.h"

namespace qb {
namespace {

bool Leap(int year) {
    return year % 400 == 0 || (year % 100 != 0 && year % 4 == 0);
}

int MonthLength(int year, int month) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && Leap(year) ? 29 : lengths[month - 1];
}

// A calendar day reached by counting one day at a time from 0100-01-01.
struct WalkDay {
    int year = 100;
    int month = 1;
    int day = 1;
    int weekday = 6;  // 0100-01-01 was a Friday
    int dayOfYear = 1;
    std::int64_t index = 0;

    void Next() {
        ++index;
        weekday = weekday % 7 + 1;
        ++dayOfYear;
        if (++day <= MonthLength(year, month))
            return;
        day = 1;
        if (++month <= 12)
            return;
        month = 1;
        ++year;
        dayOfYear = 1;
    }
    bool Done() const { return year > 9999; }
};

std::int64_t IndexOf(int year, int month, int day) {
    WalkDay walk;
    while (!(walk.year == year && walk.month == month && walk.day == day))
        walk.Next();
    return walk.index;
}

// Compares one day of the walk with the date value; returns a description of
// the first difference, empty when there is none.
std::string CompareDay(const WalkDay& walk, std::int64_t dayNumber, const COleDateTime& previous) {
    std::ostringstream out;
    const COleDateTime built(walk.year, walk.month, walk.day, 0, 0, 0);
    if (!built.IsValid() || built.GetDays() != static_cast<double>(dayNumber))
        out << "building gives " << built.GetDays();
    COleDateTime::Fields f;
    if (!COleDateTime(static_cast<double>(dayNumber), COleDateTime::valid).GetFields(f) ||
        f.year != walk.year || f.month != walk.month || f.day != walk.day || f.hour != 0 ||
        f.minute != 0 || f.second != 0 || f.dayOfWeek != walk.weekday ||
        f.dayOfYear != walk.dayOfYear) {
        out << " split gives " << f.year << "-" << f.month << "-" << f.day << " wd " << f.dayOfWeek
            << " yd " << f.dayOfYear;
    }
    if (walk.index > 0 && !(previous.AddDays(1) == built))
        out << " previous day plus one differs";
    if (walk.day == 1 &&
        COleDateTime::DaysInMonth(walk.year, walk.month) != MonthLength(walk.year, walk.month))
        out << " days in month " << COleDateTime::DaysInMonth(walk.year, walk.month);
    if (walk.day == MonthLength(walk.year, walk.month) &&
        COleDateTime(walk.year, walk.month, walk.day + 1, 0, 0, 0).IsValid())
        out << " day after the month's last is accepted";
    return out.str();
}

// The same day with a time that changes from day to day, seconds included.
std::string CompareTimedDay(const WalkDay& walk, std::int64_t dayNumber) {
    const int seconds = static_cast<int>((walk.index * 7919) % 86400);
    const int hour = seconds / 3600;
    const int minute = seconds / 60 % 60;
    const int second = seconds % 60;
    const COleDateTime built(walk.year, walk.month, walk.day, hour, minute, second);
    const double fraction = seconds / 86400.0;
    const double expected = dayNumber >= 0 ? dayNumber + fraction : dayNumber - fraction;
    COleDateTime::Fields f;
    if (!built.GetFields(f) || std::fabs(built.GetDays() - expected) > 1e-9 || f.hour != hour ||
        f.minute != minute || f.second != second || f.day != walk.day) {
        std::ostringstream out;
        out << " at " << hour << ":" << minute << ":" << second << " gives " << built.GetDays();
        return out.str();
    }
    return std::string();
}

TEST(DateOracle, EveryDayFromYear100To9999MatchesADayByDayCount) {
    const std::int64_t epoch = IndexOf(1899, 12, 30);
    ASSERT_EQ(IndexOf(1900, 1, 1) - epoch, 2);
    std::int64_t mismatches = 0;
    std::string firstMismatch;
    COleDateTime previous;
    WalkDay walk;
    for (; !walk.Done(); walk.Next()) {
        const std::int64_t dayNumber = walk.index - epoch;
        const std::string difference =
            CompareDay(walk, dayNumber, previous) + CompareTimedDay(walk, dayNumber);
        if (!difference.empty() && mismatches++ == 0) {
            firstMismatch = std::to_string(walk.year) + "-" + std::to_string(walk.month) + "-" +
                            std::to_string(walk.day) + ": " + difference;
        }
        previous = COleDateTime(walk.year, walk.month, walk.day, 0, 0, 0);
    }
    EXPECT_EQ(mismatches, 0) << firstMismatch;
    EXPECT_EQ(walk.index - epoch, 2958466);  // one past 9999-12-31
    EXPECT_FALSE(previous.AddDays(1).IsValid());
}

struct OracleRow {
    double days = 0.0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int weekday = 0, dayOfYear = 0, exact = 0;
    std::string line;
};

std::vector<OracleRow> ReadOracle() {
    std::vector<OracleRow> rows;
    std::ifstream in(qb::test::SourcePath("tests/data/dates_oracle.tsv"));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        OracleRow row;
        fields >> row.days >> row.year >> row.month >> row.day >> row.hour >> row.minute >>
            row.second >> row.weekday >> row.dayOfYear >> row.exact;
        row.line = line;
        if (fields)
            rows.push_back(row);
    }
    return rows;
}

void ExpectRowFields(const COleDateTime& value, const OracleRow& row) {
    COleDateTime::Fields f;
    ASSERT_TRUE(value.GetFields(f)) << row.line;
    EXPECT_EQ(std::vector<int>(
                  {f.year, f.month, f.day, f.hour, f.minute, f.second, f.dayOfWeek, f.dayOfYear}),
              std::vector<int>({row.year, row.month, row.day, row.hour, row.minute, row.second,
                                row.weekday, row.dayOfYear}))
        << row.line;
}

// Each row: split, built back from whole seconds, and through the property
// text. Spans between neighbouring rows jump across the whole calendar and
// across day zero; adding the difference must land on the other row's fields.
TEST(DateOracle, EveryRowOfPythonsTableSplitsBuildsAndRoundTrips) {
    const std::vector<OracleRow> rows = ReadOracle();
    ASSERT_GT(rows.size(), 3000u) << "the table is missing";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OracleRow& row = rows[i];
        const COleDateTime value(row.days, COleDateTime::valid);
        ExpectRowFields(value, row);
        if (row.exact == 1) {
            const COleDateTime built(row.year, row.month, row.day, row.hour, row.minute,
                                     row.second);
            EXPECT_EQ(built.GetDays(), row.days) << row.line;
        }
        ExpectRowFields(DateText::ParsePropertyText(DateText::PropertyText(value)), row);
        if (i == 0)
            continue;
        const OracleRow& from = rows[i - 1];
        const COleDateTime start(from.days, COleDateTime::valid);
        const COleDateTimeSpan span = value - start;
        ASSERT_TRUE(span.IsValid()) << from.line << " / " << row.line;
        ExpectRowFields(start + span, row);
        ExpectRowFields(value - span, from);
        EXPECT_EQ(start<value, span.GetTotalDays()> 0) << from.line << " / " << row.line;
    }
}

}  // namespace
}  // namespace qb
