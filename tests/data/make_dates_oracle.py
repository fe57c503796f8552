#!/usr/bin/env python3
"""Writes dates_oracle.tsv, the reference table of the date value tests.

Each row is a raw day value (days since 1899-12-30; below zero the integer part
counts back while the fraction counts the time forward) and the fields Python's
datetime gives for it, the time rounded to the nearest second. "exact" is 1 when
the value is a whole second and must also come out of building from the fields.

Run from anywhere: python3 make_dates_oracle.py  (rewrites the table beside it)
"""
import datetime
import os
import random

EPOCH = datetime.datetime(1899, 12, 30)
SECONDS_PER_DAY = 86400
MICROS_PER_DAY = SECONDS_PER_DAY * 1000000


def raw_value(moment):
    """The raw day value of a datetime, in the program's representation."""
    delta = moment - EPOCH
    micros = (delta.days * SECONDS_PER_DAY + delta.seconds) * 1000000 + delta.microseconds
    day, in_day = divmod(micros, MICROS_PER_DAY)
    signed = day * MICROS_PER_DAY + (in_day if day >= 0 else -in_day)
    return signed / MICROS_PER_DAY  # one correctly rounded division


def rounded(moment):
    if moment.microsecond >= 500000:
        moment += datetime.timedelta(seconds=1)
    return moment.replace(microsecond=0)


def row(raw, moment, exact):
    f = rounded(moment)
    weekday = f.isoweekday() % 7 + 1  # 1 Sunday .. 7 Saturday
    yday = f.timetuple().tm_yday
    return "%r\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d" % (
        raw, f.year, f.month, f.day, f.hour, f.minute, f.second, weekday, yday, exact)


def random_moment(rng, first, last, micros):
    span = int((last - first).total_seconds())
    moment = first + datetime.timedelta(seconds=rng.randrange(span + 1))
    if micros:
        micro = rng.randrange(1000000)
        while abs(micro - 500000) < 1000:  # keep clear of the half second
            micro = rng.randrange(1000000)
        moment = moment.replace(microsecond=micro)
    return moment


def main():
    rng = random.Random(20170224)
    rows = []
    fixed = [
        datetime.datetime(1899, 12, 30), datetime.datetime(1899, 12, 31),
        datetime.datetime(1900, 1, 1), datetime.datetime(1900, 2, 28),
        datetime.datetime(1900, 3, 1), datetime.datetime(2000, 2, 29, 12),
        datetime.datetime(2100, 2, 28, 23, 59, 59), datetime.datetime(2100, 3, 1),
        datetime.datetime(9999, 12, 31, 23, 59, 59), datetime.datetime(1899, 12, 29, 6),
        datetime.datetime(1899, 1, 1), datetime.datetime(1899, 12, 29, 23, 59, 59),
    ]
    for moment in fixed:
        rows.append(row(raw_value(moment), moment, 1))
    rollovers = [
        datetime.datetime(1999, 12, 31, 23, 59, 59, 700000),
        datetime.datetime(2000, 2, 28, 23, 59, 59, 999000),
        datetime.datetime(1899, 12, 29, 23, 59, 59, 600000),
        datetime.datetime(1899, 12, 31, 23, 59, 59, 501000),
    ]
    for moment in rollovers:
        rows.append(row(raw_value(moment), moment, 0))
    wide = (datetime.datetime(1900, 1, 1), datetime.datetime(9999, 12, 31, 23, 59, 59))
    usual = (datetime.datetime(1900, 1, 1), datetime.datetime(2200, 12, 31, 23, 59, 59))
    before = (datetime.datetime(1899, 1, 1), datetime.datetime(1899, 12, 29, 23, 59, 59))
    for first, last, micros, count in [
            (*wide, False, 2300), (*usual, False, 500), (*wide, True, 500),
            (*usual, True, 200), (*before, False, 150), (*before, True, 100)]:
        for _ in range(count):
            moment = random_moment(rng, first, last, micros)
            rows.append(row(raw_value(moment), moment, 0 if micros else 1))
    # Between -1 and 0 the raw value cannot come from building: its integer part
    # is day 0, so -0.25 reads as 1899-12-30 06:00.
    for _ in range(20):
        seconds = rng.randrange(1, SECONDS_PER_DAY)
        moment = EPOCH + datetime.timedelta(seconds=seconds)
        rows.append(row(-seconds / SECONDS_PER_DAY, moment, 0))

    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "dates_oracle.tsv")
    with open(path, "w", newline="\n") as out:
        out.write("# days\tyear\tmonth\tday\thour\tminute\tsecond\tweekday\tyday\texact\n")
        out.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
