#!/usr/bin/env python3
"""The next change of offset of every catalogue zone against Python's zoneinfo (an independent
reader of the tz database).

For each zone: instants spread over 1970..2100, with look-aheads from none to a year; the
second before and the second of each change found, and the look-ahead that just reaches a
change and the one that just misses it; and where the law changed for good (Kazakhstan's one
offset from 2024-03-01, Mexico's end of daylight saving after 2022-10-30), the days around it.
zoneinfo has no "next change": it is found by sampling the offset every few hours over the
look-ahead and bisecting to the second where it first differs.
"""
import argparse
import datetime as dt
import random
import subprocess
import sys
import time
import zoneinfo

UTC = dt.timezone.utc
DAY = 86400
STEP = 6 * 3600  # no zone changes its offset and back within this
FIRST = int(dt.datetime(1970, 1, 1, tzinfo=UTC).timestamp())
LAST = int(dt.datetime(2100, 12, 31, tzinfo=UTC).timestamp())
LAW_CHANGES = {
    "Asia/Almaty": dt.datetime(2024, 3, 1, tzinfo=UTC),
    "America/Mexico_City": dt.datetime(2022, 10, 30, tzinfo=UTC),
}


def read_table(path):
    """StdName -> IANA id, from the program's zone table."""
    zones = {}
    with open(path, encoding="utf-8") as table:
        for line in table:
            if line.strip() and not line.startswith("#"):
                fields = line.rstrip("\n").split("\t")
                zones[fields[2]] = fields[4]
    return zones


def offset_of(zone, seconds):
    return int(dt.datetime.fromtimestamp(seconds, zone).utcoffset().total_seconds())


def next_change(zone, start, days):
    """(at, before, after) of the first change after `start` up to `days` days on, or None."""
    if days <= 0:
        return None
    end = start + days * DAY
    base = offset_of(zone, start)
    lo = start
    while lo < end:
        hi = min(lo + STEP, end)
        if offset_of(zone, hi) != base:
            while hi - lo > 1:  # offset(lo) == base != offset(hi)
                mid = (lo + hi) // 2
                if offset_of(zone, mid) == base:
                    lo = mid
                else:
                    hi = mid
            return hi, base, offset_of(zone, hi)
        lo = hi
    return None


def queries_for(iana, zone, rng):
    """(instant, days) pairs for one zone."""
    queries = [(rng.randrange(FIRST, LAST), rng.choice((0, 1, 14, 90, 366, rng.randrange(-2, 367))))
               for _ in range(6)]
    if iana in LAW_CHANGES:
        day = int(LAW_CHANGES[iana].timestamp())
        queries += [(day - 3 * DAY, 14), (day - DAY // 2, 366), (day + 2 * DAY, 366)]
    # Around a change: the second before it, its own second, and the look-ahead that just
    # reaches it and the one just short of it.
    for start, days in list(queries)[:3] + [(FIRST, 366)]:
        change = next_change(zone, start, 366)
        if change:
            at = change[0]
            queries += [(at - 1, 1), (at, 366), (at - 30 * DAY, 30), (at - 30 * DAY - 1, 30)]
    return queries


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--table", required=True)
    args = parser.parse_args()

    started = time.monotonic()
    table = read_table(args.table)
    rng = random.Random(20261210)
    work = []  # (std name, iana, instant, days, expected)
    for std_name, iana in sorted(table.items()):
        zone = zoneinfo.ZoneInfo(iana)
        for start, days in queries_for(iana, zone, rng):
            work.append((std_name, iana, start, days, next_change(zone, start, days)))

    lines = "".join(f"{std}\t{start}\t{days}\n" for std, _, start, days, _ in work)
    shown = subprocess.run([args.tool], input=lines, check=True, capture_output=True,
                           text=True).stdout.splitlines()
    if len(shown) != len(work):
        print(f"the tool printed {len(shown)} lines for {len(work)}")
        return 1
    mismatches = []
    for (std, iana, start, days, change), got in zip(work, shown):
        want = "none" if change is None else "\t".join(map(str, change))
        if got != want:
            mismatches.append(f"{std} ({iana}) after {start} within {days} d: "
                              f"program {got!r}, zoneinfo {want!r}")
    found = sum(1 for w in work if w[4])
    print(f"next changes: {len(table)} zones, {len(work)} instants ({found} with a change), "
          f"{len(mismatches)} mismatches, {time.monotonic() - started:.1f} s")
    for m in mismatches[:40]:
        print("  " + m)
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
