#!/usr/bin/env python3
"""Planning steps and typed times against Python's zoneinfo (an independent reader of the tz
database).

For a table of zones (quarter-hour and 45-minute offsets, a 30-minute daylight saving, a
negative one, both sides of the date line), around every change of offset from 2024 to 2027
(a second, half an hour and a day either side): each planning step from that instant, with
the zone as the computer's, and each wall time around the change typed for a clock of the
zone. A day step keeps the wall time (23 or 25 hours across a change); a repeated reading
takes its first pass, a skipped one moves on by the change.
"""
import argparse
import datetime as dt
import subprocess
import sys
import zoneinfo

UTC = dt.timezone.utc
ZONES = ["Europe/Berlin", "America/New_York", "Asia/Kathmandu", "Pacific/Chatham",
         "Australia/Lord_Howe", "Europe/Dublin", "Pacific/Apia", "Pacific/Kiritimati",
         "America/St_Johns", "Asia/Tehran", "America/Santiago"]
QUARTER = 15 * 60


def changes(zone, first_year, last_year):
    """The instants (seconds) at which the zone's offset changes."""
    t = int(dt.datetime(first_year, 1, 1, tzinfo=UTC).timestamp())
    end = int(dt.datetime(last_year + 1, 1, 1, tzinfo=UTC).timestamp())
    found = []
    step = 3600
    offset = dt.datetime.fromtimestamp(t, zone).utcoffset()
    while t < end:
        nxt = t + step
        o = dt.datetime.fromtimestamp(nxt, zone).utcoffset()
        if o != offset:
            lo, hi = t, nxt
            while hi - lo > 1:
                mid = (lo + hi) // 2
                if dt.datetime.fromtimestamp(mid, zone).utcoffset() == offset:
                    lo = mid
                else:
                    hi = mid
            found.append(hi)
            offset = o
        t = nxt
    return found


def instant_of(naive, zone):
    """zoneinfo's reading of a wall time: fold 0 is a repeated time's first pass and reads a
    skipped one with the offset before the change."""
    return int(naive.replace(tzinfo=zone, fold=0).timestamp())


def kind_of(naive, zone):
    first = naive.replace(tzinfo=zone, fold=0)
    second = naive.replace(tzinfo=zone, fold=1)
    back = dt.datetime.fromtimestamp(first.timestamp(), zone).replace(tzinfo=None)
    if back != naive:
        return "skipped"
    return "repeated" if first.timestamp() != second.timestamp() else "unique"


def expected_step(t, step, zone):
    if step == "quarter+":
        return (t // QUARTER + 1) * QUARTER
    if step == "quarter-":
        return -((-t) // QUARTER) * QUARTER - QUARTER
    if step == "hour+":
        return (t // QUARTER) * QUARTER + 3600
    if step == "hour-":
        return -((-t) // QUARTER) * QUARTER - 3600
    days = 1 if step == "day+" else -1
    wall = dt.datetime.fromtimestamp(t, zone).replace(tzinfo=None) + dt.timedelta(days=days)
    return instant_of(wall, zone)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    args = parser.parse_args()
    queries, expected = [], []
    for name in ZONES:
        zone = zoneinfo.ZoneInfo(name)
        for change in changes(zone, 2024, 2027):
            for delta in (-86400, -1800, -1, 0, 1, 1800, 86400, 7 * 60 + 13):
                t = change + delta
                for step in ("quarter+", "quarter-", "hour+", "hour-", "day+", "day-"):
                    queries.append(f"step {name} {t} {step}")
                    expected.append(str(expected_step(t, step, zone)))
            before = dt.datetime.fromtimestamp(change - 1, zone).replace(tzinfo=None)
            after = dt.datetime.fromtimestamp(change, zone).replace(tzinfo=None)
            low = min(before, after) - dt.timedelta(minutes=30)
            high = max(before, after) + dt.timedelta(minutes=30)
            wall = low.replace(second=0)
            while wall <= high:
                queries.append(f"place {name} {wall.year} {wall.month} {wall.day} "
                               f"{wall.hour} {wall.minute}")
                kind = kind_of(wall, zone)
                expected.append("skipped" if kind == "skipped"
                                else f"{kind} {instant_of(wall, zone)}")
                wall += dt.timedelta(minutes=15)
    answers = subprocess.run([args.tool], input="\n".join(queries) + "\n", text=True,
                             capture_output=True, check=True).stdout.splitlines()
    wrong = [(q, e, a) for q, e, a in zip(queries, expected, answers) if e != a]
    if len(answers) != len(queries):
        print(f"{len(answers)} answers to {len(queries)} questions")
        return 1
    for q, e, a in wrong[:20]:
        print(f"{q}: expected {e}, got {a}")
    print(f"{len(queries) - len(wrong)} of {len(queries)} agree")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
