#!/usr/bin/env python3
"""Sunrise, sunset and the sun's state against PyEphem (an independent ephemeris).

For places from the equator to 78 degrees north and south, on days across the year (the
solstices and equinoxes, the days around the start and end of polar day and night, days with
a change of offset): the first rise and the last set of the zone's calendar day within two
minutes (where the sun grazes the horizon, within the time it takes to move 0.01 degrees:
the ephemerides differ by about 0.002 degrees), days without either stated as sun up or down all day, and the state at instants
through the day as PyEphem's altitude gives it (within 0.05 degrees of a limit either state
will do). A rise or set is when the sun's centre stands 50 minutes of arc below the horizon
without refraction (pressure 0): the sun's upper edge meeting the horizon after half a degree
of refraction. Exits 77 (skipped) when PyEphem is not installed.
"""
import argparse
import datetime as dt
import math
import subprocess
import sys
import zoneinfo

try:
    import ephem
except ImportError:
    print("PyEphem is not installed")
    sys.exit(77)

UTC = dt.timezone.utc
HORIZON = -50 / 60
LIMITS = [HORIZON, -6.0, -12.0, -18.0]  # Day, civil, nautical, astronomical, then night
PLACES = [  # name, latitude, longitude, tz id
    ("Quito", -0.18, -78.47, "America/Guayaquil"),
    ("Singapore", 1.29, 103.85, "Asia/Singapore"),
    ("Nairobi", -1.29, 36.82, "Africa/Nairobi"),
    ("Kiritimati", 1.87, -157.4, "Pacific/Kiritimati"),
    ("Apia", -13.83, -171.76, "Pacific/Apia"),
    ("Darwin", -12.46, 130.84, "Australia/Darwin"),
    ("Honolulu", 21.31, -157.86, "Pacific/Honolulu"),
    ("Mumbai", 19.08, 72.88, "Asia/Kolkata"),
    ("Kathmandu", 27.7, 85.32, "Asia/Kathmandu"),
    ("Tehran", 35.69, 51.39, "Asia/Tehran"),
    ("Tokyo", 35.68, 139.69, "Asia/Tokyo"),
    ("Los Angeles", 34.05, -118.24, "America/Los_Angeles"),
    ("New York", 40.71, -74.01, "America/New_York"),
    ("St. John's", 47.56, -52.71, "America/St_Johns"),
    ("Munich", 48.14, 11.58, "Europe/Berlin"),
    ("London", 51.51, -0.13, "Europe/London"),
    ("Sydney", -33.87, 151.21, "Australia/Sydney"),
    ("Lord Howe", -31.55, 159.08, "Australia/Lord_Howe"),
    ("Santiago", -33.45, -70.67, "America/Santiago"),
    ("Cape Town", -33.92, 18.42, "Africa/Johannesburg"),
    ("Auckland", -36.85, 174.76, "Pacific/Auckland"),
    ("Chatham", -43.95, -176.56, "Pacific/Chatham"),
    ("Ushuaia", -54.8, -68.3, "America/Argentina/Ushuaia"),
    ("Stockholm", 59.33, 18.07, "Europe/Stockholm"),
    ("Anchorage", 61.22, -149.9, "America/Anchorage"),
    ("Reykjavik", 64.15, -21.94, "Atlantic/Reykjavik"),
    ("Nuuk", 64.18, -51.72, "America/Nuuk"),
    ("Palmer", -64.77, -64.05, "Antarctica/Palmer"),
    ("Casey", -66.28, 110.53, "Antarctica/Casey"),
    ("Rovaniemi", 66.5, 25.73, "Europe/Helsinki"),
    ("Mawson", -67.6, 62.87, "Antarctica/Mawson"),
    ("Murmansk", 68.97, 33.08, "Europe/Moscow"),
    ("Norilsk", 69.35, 88.2, "Asia/Krasnoyarsk"),
    ("Tromso", 69.65, 18.96, "Europe/Oslo"),
    ("Utqiagvik", 71.29, -156.79, "America/Anchorage"),
    ("Tiksi", 71.64, 128.87, "Asia/Yakutsk"),
    ("Troll", -72.01, 2.53, "Antarctica/Troll"),
    ("McMurdo", -77.85, 166.67, "Antarctica/McMurdo"),
    ("Longyearbyen", 78.22, 15.65, "Arctic/Longyearbyen"),
    ("Vostok", -78.46, 106.84, "Antarctica/Vostok"),
]


def days():
    """Every fourth day of 2025, the solstices and equinoxes and the days the offsets change
    in Europe, North America and Australia."""
    first = dt.date(2025, 1, 1)
    found = {first + dt.timedelta(days=n) for n in range(0, 365, 4)}
    for m, d in [(3, 20), (6, 21), (9, 22), (12, 21), (3, 30), (10, 26), (3, 9), (11, 2),
                 (4, 6), (10, 5), (9, 28), (9, 7)]:
        found.add(dt.date(2025, m, d))
    return sorted(found)


def day_bounds(date, zone):
    """The first instants whose wall clock reads the day's 00:00 and the next day's."""
    def start(d):
        return dt.datetime(d.year, d.month, d.day, tzinfo=zone).timestamp()
    return int(start(date)), int(start(date + dt.timedelta(days=1)))


def unix(date):
    return int(round((ephem.Date(date).datetime().replace(tzinfo=UTC)).timestamp()))


def ephem_date(seconds):
    return ephem.Date(dt.datetime.fromtimestamp(seconds, UTC).replace(tzinfo=None))


def expected_day(observer, sun, start, end):
    rise = sets = None
    polar = None  # "up-all-day" or "down-all-day" when PyEphem finds the sun circumpolar
    try:
        r = unix(observer.next_rising(sun, start=ephem_date(start), use_center=True))
        rise = r if r < end else None
    except ephem.AlwaysUpError:
        polar = "up-all-day"
    except ephem.NeverUpError:
        polar = "down-all-day"
    try:
        s = unix(observer.previous_setting(sun, start=ephem_date(end), use_center=True))
        sets = s if s >= start else None
    except ephem.AlwaysUpError:
        polar = "up-all-day"
    except ephem.NeverUpError:
        polar = "down-all-day"
    tolerance = 120
    for t in (x for x in (rise, sets) if x is not None):
        rate = abs(altitude(observer, sun, t + 60) - altitude(observer, sun, t - 60)) / 120
        tolerance = max(tolerance, 0.01 / rate if rate > 0 else 86400)
    if rise is None and sets is None:
        up = altitude(observer, sun, (start + end) // 2) >= HORIZON
        kind = polar or ("up-all-day" if up else "down-all-day")
    else:
        kind = "rise-and-set"
    return kind, rise, sets, tolerance


def altitude(observer, sun, seconds):
    observer.date = ephem_date(seconds)
    sun.compute(observer)
    return math.degrees(sun.alt)


def state_of(alt):
    return sum(1 for limit in LIMITS if alt < limit)


def near(a, b, tolerance):
    return a is None and b is None or a is not None and b is not None and abs(a - b) <= tolerance


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    args = parser.parse_args()
    sun = ephem.Sun()
    queries, checks = [], []
    for name, lat, lon, tz in PLACES:
        zone = zoneinfo.ZoneInfo(tz)
        observer = ephem.Observer()
        observer.lat, observer.lon = str(lat), str(lon)
        observer.elevation = 0
        observer.pressure = 0
        observer.horizon = str(HORIZON)
        for date in days():
            start, end = day_bounds(date, zone)
            queries.append(f"day {tz} {lat} {lon} {start + (end - start) // 2}")
            checks.append((f"{name} {date}", "day", expected_day(observer, sun, start, end)))
            for k in range(6):
                t = start + (end - start) * k // 6 + 7 * 60
                alt = altitude(observer, sun, t)
                allowed = {state_of(alt - 0.05), state_of(alt + 0.05)}
                queries.append(f"state {lat} {lon} {t}")
                checks.append((f"{name} {dt.datetime.fromtimestamp(t, zone)}", "state", allowed))
    answers = subprocess.run([args.tool], input="\n".join(queries) + "\ntime\n", text=True,
                             capture_output=True, check=True).stdout.splitlines()
    if len(answers) != len(queries) + 1:
        print(f"{len(answers)} answers to {len(queries) + 1} questions")
        return 1
    wrong = []
    worst = 0
    polar_days = 0
    for (what, kind, expected), answer in zip(checks, answers):
        if kind == "state":
            if int(answer) not in expected:
                wrong.append(f"{what}: state {answer}, expected one of {sorted(expected)}")
            continue
        got_kind, *times = answer.split()
        got = [None if x == "-" else int(x) for x in times]
        exp_kind, *exp, tolerance = expected
        polar_days += exp_kind != "rise-and-set"
        for g, e in zip(got, exp):
            if g is not None and e is not None:
                worst = max(worst, abs(g - e))
        if got_kind != exp_kind or not all(near(g, e, tolerance) for g, e in zip(got, exp)):
            wrong.append(f"{what}: got {got_kind} {got}, expected {exp_kind} {exp}")
    for line in wrong[:30]:
        print(line)
    print(f"{len(queries) - len(wrong)} of {len(queries)} agree ({polar_days} days without "
          f"a rise or set); rises and sets differ by at "
          f"most {worst} s; {answers[-1]} microseconds per day's sunrise and sunset")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
