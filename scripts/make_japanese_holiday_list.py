#!/usr/bin/python3
"""Writes tests/data/japanese_holidays_1970_2030.tsv: the national holidays of
Japan (including 振替休日 and 国民の休日), one "YYYY-MM-DD<TAB>name" line per
day, from 1970 to 2030.

The list is meant to check the shipped holiday rules from the outside, so it
is not derived from them: it starts from the Japanese calendar of the Debian
package python3-holidays (0.10.1), mends the places where that package does
not follow the law, and cross-checks the substitute holidays and the days
between holidays by recomputing them from the law's wording, and the equinox
days against python3-workalendar's astronomical table. Both packages are only
needed to run this script, which CI never does:

    apt-get install python3-holidays python3-workalendar
    /usr/bin/python3 scripts/make_japanese_holiday_list.py > tests/data/japanese_holidays_1970_2030.tsv
"""
import datetime
import sys

import holidays
from workalendar.astronomy import calculate_equinoxes

FIRST, LAST = 1970, 2030
D = datetime.date

# Where python3-holidays 0.10.1 differs from the law (its data predates the
# 2020 amendment of the Olympic special measures act, and it has none of the
# one-off ceremony days).
REMOVE = {
    D(2021, 7, 19),   # 海の日 moved to 7/22 in 2021
    D(2021, 10, 11),  # スポーツの日 moved to 7/23 in 2021
    D(2021, 8, 11),   # 山の日 moved to 8/8 in 2021
}
ADD = {
    D(1989, 2, 24): "昭和天皇の大喪の礼",
    D(1990, 11, 12): "即位礼正殿の儀",
    D(1993, 6, 9): "皇太子徳仁親王の結婚の儀",
    D(2021, 7, 22): "海の日",
    D(2021, 7, 23): "スポーツの日",
    D(2021, 8, 8): "山の日",
    D(2021, 8, 9): "振替休日",
}
RENAME = {D(2020, 7, 24): "スポーツの日"}  # 体育の日 was renamed from 2020

SUBSTITUTE = "振替休日"
BETWEEN = "国民の休日"
SUBSTITUTE_FROM = D(1973, 4, 12)  # 1973 amendment
BETWEEN_FROM = D(1985, 12, 27)    # 1985 amendment
NEXT_FREE_FROM = D(2007, 1, 1)    # 2005 amendment, in force 2007


def package_list():
    days = {}
    for year in range(FIRST, LAST + 1):
        for day, name in holidays.Japan(years=year).items():
            days[day] = name
    for day in REMOVE:
        del days[day]
    days.update(ADD)
    days.update(RENAME)
    return days


def recompute(national):
    """振替休日 and 国民の休日 from the law's wording, given the 祝日 alone."""
    extra = {}
    one = datetime.timedelta(days=1)
    for day in sorted(national):
        if day.weekday() != 6 or day < SUBSTITUTE_FROM:
            continue
        moved = day + one
        if day >= NEXT_FREE_FROM:
            while moved in national:
                moved += one
        if moved not in national:
            extra[moved] = SUBSTITUTE
    day = max(BETWEEN_FROM, D(FIRST, 1, 1))
    while day <= D(LAST, 12, 31):
        if (day - one in national and day + one in national and day not in national
                and (day >= NEXT_FREE_FROM or (day.weekday() != 6 and day not in extra))):
            extra.setdefault(day, BETWEEN)
        day += one
    return extra


def main():
    days = package_list()
    national = {d: n for d, n in days.items() if n not in (SUBSTITUTE, BETWEEN)}
    derived = {d: n for d, n in days.items() if n in (SUBSTITUTE, BETWEEN)}
    recomputed = recompute(national)
    # The package's hard-coded substitute table misses 1974-05-06 and
    # 2025-02-24; where it and the law disagree the law is taken.
    for day in sorted(set(derived) | set(recomputed)):
        if derived.get(day) != recomputed.get(day):
            print(f"{day}: package {derived.get(day)}, law {recomputed.get(day)}", file=sys.stderr)
    days = {**national, **recomputed}
    for year in range(1991, LAST + 1):  # the years workalendar has precomputed
        spring, autumn = calculate_equinoxes(year, "Asia/Tokyo")
        for day, name in ((spring, "春分の日"), (autumn, "秋分の日")):
            if days.get(day) != name:
                sys.exit(f"{day}: equinox disagrees ({days.get(day)})")
    for day in sorted(days):
        print(f"{day.isoformat()}\t{days[day]}")


if __name__ == "__main__":
    main()
