#!/usr/bin/env python3
"""Agreement of the clock texts of every catalogue zone with the tz database as Python's
zoneinfo reads it (an independent reader that shares no code with the program).

For every zone and every year checked: each change of offset one second before, at and one
second after it, plus one instant a month; each with the computer's own zone set to each of
the given zones. The text must be the database's local time, at the very instant of a change
too (the new offset applies from that instant on).

The converter is checked the same way: clock times of each zone around each of its changes
(a minute before, at, a minute after and inside the skipped or repeated hour) and one a month,
converted into another zone, must give the target's time of the instant zoneinfo reads for
them (a repeated time is the earlier instant, a skipped one is read with the offset before).

The instants of change are listed by zdump (the tz reference code); the expected local times
come from zoneinfo alone.
"""
import argparse
import datetime as dt
import random
import subprocess
import sys
import time
import zoneinfo

UTC = dt.timezone.utc
COMPUTER_ZONES = ["UTC", "Australia/Sydney", "America/St_Johns"]


def read_table(path):
    """StdName -> IANA id, from the program's zone table."""
    zones = {}
    with open(path, encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            zones[fields[2]] = fields[4]
    return zones


def years_to_check(ranges):
    years = set()
    for part in ranges.split(","):
        first, _, last = part.partition("-")
        years.update(range(int(first), int(last or first) + 1))
    return sorted(years)


def change_instants(iana_ids, first_year, last_year):
    """Instants (UTC seconds) at which zdump reports a transition, per zone."""
    out = subprocess.run(["zdump", "-v", "-c", f"{first_year},{last_year + 1}", *iana_ids],
                         check=True, capture_output=True, text=True).stdout
    seen = {iana: set() for iana in iana_ids}
    for line in out.splitlines():
        parts = line.split(None, 1)
        if len(parts) < 2 or " UT = " not in parts[1]:
            continue
        stamp = dt.datetime.strptime(parts[1].split(" UT = ")[0].strip(), "%a %b %d %H:%M:%S %Y")
        seen[parts[0]].add(int(stamp.replace(tzinfo=UTC).timestamp()))
    # zdump writes each transition as the second before it and the instant itself.
    return {iana: sorted(s for s in stamps if s - 1 in stamps) for iana, stamps in seen.items()}


def offset(zone, seconds):
    return dt.datetime.fromtimestamp(seconds, zone).utcoffset()


def expected_text(zone, seconds):
    """The database's local time at that instant."""
    local = dt.datetime.fromtimestamp(seconds, UTC) + offset(zone, seconds)
    return local.strftime("%Y-%m-%d %H:%M:%S")


def instants_for(iana, years, changes, rng):
    year_set = set(years)
    instants = set()
    for c in changes:
        if dt.datetime.fromtimestamp(c, UTC).year in year_set:
            instants.update((c - 1, c, c + 1))
    for year in years:
        for month in range(1, 13):
            day = rng.randint(1, 28)
            instants.add(int(dt.datetime(year, month, day, tzinfo=UTC).timestamp())
                         + rng.randrange(86400))
    return sorted(instants)


def conversions_for(index, std_names, table, years, changes, rng):
    """(from, to, naive clock time) triples for the converter, from the zone at index."""
    source = std_names[index]
    zone = zoneinfo.ZoneInfo(table[source])
    year_set = set(years)
    readings = []
    for c in changes:
        if dt.datetime.fromtimestamp(c, UTC).year not in year_set:
            continue
        before = int(offset(zone, c - 1).total_seconds())
        after = int(offset(zone, c).total_seconds())
        for local in (c + before - 60, c + after, c + after + 60, c + (before + after) // 2):
            readings.append(local - local % 60)
    for year in years:
        for month in range(1, 13):
            readings.append(int(dt.datetime(year, month, rng.randint(1, 28), tzinfo=UTC)
                                .timestamp()) + 60 * rng.randrange(1440))
    out = []
    for k, local in enumerate(readings):
        target = std_names[(index + 1 + k) % len(std_names)]
        out.append((source, target, dt.datetime.fromtimestamp(local, UTC).replace(tzinfo=None)))
    return out


def converted_text(source_zone, target_zone, naive):
    seconds = int(naive.replace(tzinfo=source_zone, fold=0).timestamp())
    return expected_text(target_zone, seconds)[11:16]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--table", required=True)
    parser.add_argument("--years", default="1970-2100")
    parser.add_argument("--load-year", default="2026",
                        help="the year whose yearly records the catalogue loads")
    args = parser.parse_args()

    started = time.monotonic()
    years = years_to_check(args.years)
    table = read_table(args.table)
    changes = change_instants(sorted(set(table.values())), years[0], years[-1])
    rng = random.Random(20260305)
    work = []  # (std name, iana, instant, the zone's instants of change)
    for std_name, iana in sorted(table.items()):
        at = set(changes[iana])
        for seconds in instants_for(iana, years, changes[iana], rng):
            work.append((std_name, iana, seconds, at))

    std_names = sorted(table)
    conversions = []
    for index, std_name in enumerate(std_names):
        conversions += conversions_for(index, std_names, table, years, changes[table[std_name]],
                                       rng)

    lines = "".join(f"{computer}\t{std}\t{s}\n"
                    for computer in COMPUTER_ZONES for std, _, s, _ in work)
    lines += "".join(f"convert\t{a}\t{b}\t{naive:%Y-%m-%d %H:%M}\n" for a, b, naive in conversions)
    shown = subprocess.run([args.tool, args.load_year], input=lines, check=True, capture_output=True,
                           text=True).stdout.splitlines()
    clock_lines = len(work) * len(COMPUTER_ZONES)
    if len(shown) != clock_lines + len(conversions):
        print(f"the tool printed {len(shown)} lines for {clock_lines + len(conversions)}")
        return 1

    zones = {iana: zoneinfo.ZoneInfo(iana) for iana in set(table.values())}
    expected = [expected_text(zones[iana], s) for _, iana, s, _ in work]
    mismatches = []
    for k, computer in enumerate(COMPUTER_ZONES):
        for (std, iana, s, _), want, got in zip(work, expected, shown[k * len(work):]):
            if want != got:
                mismatches.append(f"{computer} {std} ({iana}) at {s}: shown {got}, tz {want}")
    for (a, b, naive), got in zip(conversions, shown[clock_lines:]):
        want = converted_text(zones[table[a]], zones[table[b]], naive)
        if want != got:
            mismatches.append(f"convert {naive} from {a} to {b}: shown {got}, tz {want}")

    print(f"zone agreement: {len(table)} zones, {len(work)} instants, "
          f"{len(COMPUTER_ZONES)} computer zones, {len(work) * len(COMPUTER_ZONES)} checks, "
          f"{len(conversions)} conversions, years {years[0]}..{years[-1]} ({len(years)}), "
          f"{len(mismatches)} mismatches, "
          f"{time.monotonic() - started:.1f} s")
    for m in mismatches[:40]:
        print("  " + m)
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
