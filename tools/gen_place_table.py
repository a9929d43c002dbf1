#!/usr/bin/env python3
"""Writes resources/places.tsv, the table of places that place search looks in.

Sources: GeoNames' cities with 15,000 or more inhabitants, their countries and first-level
regions (cities15000.txt, countryInfo.txt, admin1Codes.txt as the Debian package
libtimezonemap-data ships them; GeoNames data is licensed CC BY 4.0), CLDR's windowsZones.xml
(Debian package unicode-cldr-core) for the Windows zone of each tz id in each territory, and
the system tz database (zone.tab, links) for tz ids.

Each place's Windows zone is the CLDR entry for its tz id in its own country, else the entry
for that tz id in any territory. Places are written largest first. Alternate names are kept
only where they help someone typing a name in Latin letters: names in other scripts,
lower-case transliterations, airport codes, names holding digits and names that merely
contain the place's own name are left out, and names that fold to the same search text as
one already kept are written once.

Zones with no such city get the places that the tz database's zone.tab locates, so that every
Windows zone has a place; the two zones without any location get a hand-picked one.

Table (UTF-8, tab-separated, '#' lines are comments):
  C  code  name  population  alias,alias...           a country
  R  country code  region code  name                   a region
  Z  tz id  Windows zone key  own                      zone k (counted from 0); own is 1
                                                       for the zone's own tz id (CLDR's
                                                       territory 001), else 0
  P  name  alternate,alternate...  country  region  latitude  longitude  population  zone k
     [PPLX]                                           PPLX: a district of a larger place

It writes resources/place_names_XX.tsv beside it, the places' names in each language the
program is translated into (tools/place_names.py).

Usage: tools/gen_place_table.py [--geonames DIR] [--cldr DIR] [--zoneinfo DIR] [--out FILE]
"""

import argparse
import functools
import os
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from text_fold import fold, is_latin  # noqa: E402
from place_names import write_place_names  # noqa: E402

DEFAULT_GEONAMES = "/usr/share/libtimezonemap/ui"
DEFAULT_CLDR = "/usr/share/unicode/cldr"
DEFAULT_ZONEINFO = "/usr/share/zoneinfo"
DEFAULT_OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                            "resources", "places.tsv"))

# Names people use for countries beside GeoNames' own.
COUNTRY_ALIASES = {
    "US": ["USA", "United States of America", "America"],
    "GB": ["UK", "Great Britain", "Britain", "England", "Scotland", "Wales", "Northern Ireland"],
    "MM": ["Burma"],
    "CZ": ["Czech Republic"],
    "NL": ["Holland"],
    "TR": ["Türkiye"],
    "SZ": ["Swaziland"],
    "MK": ["Macedonia"],
    "CI": ["Côte d'Ivoire"],
    "CV": ["Cabo Verde"],
    "KR": ["Korea"],
    "AE": ["UAE", "Emirates"],
    "RU": ["Russian Federation"],
    "VN": ["Viet Nam"],
    "LA": ["Laos"],
    "CD": ["DR Congo", "Congo-Kinshasa"],
    "CG": ["Congo-Brazzaville"],
    "TL": ["East Timor"],
}

# Zones that hold no place at all: the only land in them.
HAND_PICKED = [
    # name, country, latitude, longitude, tz id
    ("Baker Island", "UM", 0.19, -176.48, "Etc/GMT+12"),
    ("Howland Island", "UM", 0.81, -176.62, "Etc/GMT+12"),
]

# GeoNames' feature code of a section of a populated place ("Zürich (Kreis 3)").
DISTRICT = "PPLX"

CODE_RE = re.compile(r"^[A-Z0-9]{2,4}$")


def read_tsv(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            yield line.rstrip("\n").split("\t")


def read_cldr(cldr_dir):
    """{(tz id, territory): Windows key} and {tz id: Windows key} of the golden entries."""
    path = os.path.join(cldr_dir, "common", "supplemental", "windowsZones.xml")
    maps = ET.parse(path).getroot().find("windowsZones/mapTimezones")
    by_territory, golden = {}, {}
    for node in maps.iter("mapZone"):
        key, territory = node.get("other"), node.get("territory")
        for tz in node.get("type", "").split():
            by_territory.setdefault((tz, territory), key)
            if territory == "001":
                golden[tz] = key
    return by_territory, golden, path


class TzNames:
    """Tz ids as the system holds them: an id that is neither a zone of its own nor listed in
    zone.tab (a renamed or merged zone, such as Europe/Kiev) becomes its link's target. The
    renames in the tz database's `backward` file (which libtimezonemap-data ships too) let ids
    of either spelling be compared (CLDR's Africa/Asmera is GeoNames' Africa/Asmara)."""

    def __init__(self, zoneinfo, backward):
        self.zoneinfo = zoneinfo
        self.renamed = {}
        with open(backward, encoding="utf-8") as f:
            for line in f:
                fields = line.split()
                if len(fields) == 3 and fields[0] == "Link":
                    self.renamed[fields[2]] = fields[1]
        self.tab = {}  # tz id -> (country, latitude, longitude)
        for fields in read_tsv(os.path.join(zoneinfo, "zone.tab")):
            self.tab[fields[2]] = (fields[0], *parse_iso6709(fields[1]))

    @functools.lru_cache(maxsize=None)
    def target(self, tz):
        path = os.path.join(self.zoneinfo, tz)
        if not os.path.isfile(path):
            return None
        return os.path.relpath(os.path.realpath(path), os.path.realpath(self.zoneinfo))

    def same(self, a, b):
        """True when two ids name the same zone."""
        a, b = self.renamed.get(a, a), self.renamed.get(b, b)
        return a == b or (self.target(a) is not None and self.target(a) == self.target(b))

    def system_id(self, tz):
        real = self.target(tz)
        if real is None:
            return None
        return tz if tz in self.tab or real == tz else real


def parse_iso6709(text):
    """zone.tab's "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS" as degrees."""
    match = re.match(r"^([+-]\d+)([+-]\d+)$", text)
    lat, lon = match.group(1), match.group(2)

    def degrees(value, width):
        sign = -1 if value[0] == "-" else 1
        digits = value[1:]
        whole, rest = int(digits[:width]), digits[width:]
        minutes = int(rest[:2]) if rest else 0
        seconds = int(rest[2:4]) if len(rest) > 2 else 0
        return sign * (whole + minutes / 60 + seconds / 3600)

    return degrees(lat, 2), degrees(lon, 3)


def windows_key(tz, country, cldr, tznames):
    """The Windows zone of tz id `tz` in `country`, through CLDR's entries for that territory,
    then for any territory; ids are also compared by the zone they name in the system."""
    by_territory, golden = cldr
    if (tz, country) in by_territory:
        return by_territory[(tz, country)]
    if tz in golden:
        return golden[tz]
    candidates = [(t, c, k) for (t, c), k in by_territory.items() if tznames.same(t, tz)]
    for wanted in (country, "001"):
        for t, c, k in candidates:
            if c == wanted:
                return k
    return candidates[0][2] if candidates else None


def kept_alternates(name, ascii_name, alternates):
    """The alternate names worth searching, in their own spelling, one per search text."""
    candidates = {}  # search text -> first spelling
    for alt in [ascii_name] + alternates.split(","):
        alt = alt.strip()
        if not alt or not is_latin(alt) or any(ch.isdigit() for ch in alt):
            continue
        if CODE_RE.match(alt) or not alt[0].isupper():
            continue  # airport codes, machine transliterations
        # Of spellings that search alike, the one with its diacritics ("München", not
        # "Munchen"): it is the one shown when a user's language finds the place by it.
        folded = fold(alt)
        if sum(not c.isascii() for c in alt) > sum(not c.isascii() for c in
                                                   candidates.get(folded, alt)):
            candidates[folded] = alt
        candidates.setdefault(folded, alt)
    own = fold(name)
    names = [own] + list(candidates)

    def holds_another(folded):
        # "Lungsod ng Muenchen", "Munich ed Baviera": another name with words around it.
        padded = f" {folded} "
        return any(other != folded and f" {other} " in padded for other in names)

    return [alt for folded, alt in candidates.items()
            if folded and folded != own and not holds_another(folded)]


def mend_stray_zones(rows, tznames, notes):
    """GeoNames gives some cities the tz id of a far-away zone (Zhongshan in Guangdong with
    Asia/Urumqi). A city whose tz id is not the one most cities of its region have, and whose
    zone.tab location is more than 15 degrees of longitude away, gets its region's tz id."""
    by_region = {}
    for row in rows:
        if row[10]:
            by_region.setdefault((row[8], row[10]), []).append(row[17])
    for row in rows:
        tzs = by_region.get((row[8], row[10]))
        if not tzs:
            continue
        common = max(set(tzs), key=tzs.count)
        where = tznames.tab.get(row[17])
        if row[17] == common or where is None or tzs.count(common) * 2 <= len(tzs):
            continue
        if abs(where[2] - float(row[5])) > 15:
            notes.append(f"mended {row[1]} ({row[8]}.{row[10]}): {row[17]} -> {common}")
            row[17] = common


def clean(text):
    return " ".join(text.replace(",", " ").split())


def main():
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("--geonames", default=DEFAULT_GEONAMES)
    args.add_argument("--cldr", default=DEFAULT_CLDR)
    args.add_argument("--zoneinfo", default=DEFAULT_ZONEINFO)
    args.add_argument("--out", default=DEFAULT_OUT)
    args.add_argument("--no-alternates", action="store_true", help="for measuring only")
    opts = args.parse_args()

    by_territory, golden, cldr_path = read_cldr(opts.cldr)
    cldr = (by_territory, golden)
    tznames = TzNames(opts.zoneinfo, os.path.join(opts.geonames, "..", "backward"))
    notes = []

    countries = {}
    for f in read_tsv(os.path.join(opts.geonames, "countryInfo.txt")):
        countries[f[0]] = {"name": f[4], "population": int(f[7] or 0)}
    regions = {}
    for f in read_tsv(os.path.join(opts.geonames, "admin1Codes.txt")):
        if f[1].strip():
            regions[f[0]] = [f[1], f[2]]

    zones = {}  # (tz id, key) -> index
    places = []
    seen_tz = set()
    rows = list(read_tsv(os.path.join(opts.geonames, "cities15000.txt")))
    mend_stray_zones(rows, tznames, notes)
    for f in rows:
        name, ascii_name, alternates = f[1], f[2], f[3]
        country, region, tz = f[8], f[10], f[17]
        system_tz = tznames.system_id(tz)
        if system_tz is None or country not in countries:
            notes.append(f"left out {name} ({country}, {tz}): unknown tz id or country")
            continue
        key = windows_key(tz, country, cldr, tznames)
        if key is None:
            notes.append(f"left out {name} ({tz}): no Windows zone")
            continue
        seen_tz.add(system_tz)
        alts = [] if opts.no_alternates else kept_alternates(name, ascii_name, alternates)
        places.append([name, alts, country, region if f"{country}.{region}" in regions else "",
                       float(f[4]), float(f[5]), int(f[14] or 0), (system_tz, key),
                       alternates.split(","), f[7]])

    # zone.tab's locations for tz ids that no city stands for, then the hand-picked places.
    for tz, (country, lat, lon) in sorted(tznames.tab.items()):
        if tz in seen_tz or country not in countries:
            continue
        key = windows_key(tz, country, cldr, tznames)
        if key is None:
            continue
        name = tz.rsplit("/", 1)[-1].replace("_", " ")
        places.append([name, [], country, "", lat, lon, 0, (tz, key), [], ""])
    covered = {p[7][1] for p in places}
    for name, country, lat, lon, tz in HAND_PICKED:
        key = golden[tz]
        if key not in covered:
            places.append([name, [], country, "", lat, lon, 0, (tz, key), [], ""])
    missing = sorted(set(golden.values()) - {p[7][1] for p in places})
    if missing:
        notes.append("Windows zones without any place: " + ", ".join(missing))

    places.sort(key=lambda p: -p[6])  # largest first; stable, so GeoNames' order otherwise
    # Every tz id CLDR maps, so that a search by tz id finds zones without places too; each
    # Windows zone's own tz id (CLDR's territory 001) is marked.
    zone_pairs = {p[7] for p in places}
    golden_pairs = set()
    for (tz, territory), key in sorted(by_territory.items()):
        system_tz = tznames.system_id(tz)
        if system_tz is None:
            continue
        if territory == "001":
            golden_pairs.add((system_tz, key))
            zone_pairs.add((system_tz, key))
        elif not any(z[0] == system_tz for z in zone_pairs):
            zone_pairs.add((system_tz, key))
    zone_pairs = sorted(zone_pairs)
    zones = {pair: k for k, pair in enumerate(zone_pairs)}

    used_regions = sorted({(p[2], p[3]) for p in places if p[3]})
    used_countries = sorted({p[2] for p in places})
    out = [
        "# Places for place search. GENERATED FILE, do not edit by hand.",
        "# Generated by tools/gen_place_table.py from GeoNames' cities15000.txt, countryInfo.txt",
        f"# and admin1Codes.txt ({opts.geonames}, Debian package libtimezonemap-data), and",
        f"# {cldr_path} (CLDR) for the Windows zones.",
        "# Place data: GeoNames (https://www.geonames.org/), licensed CC BY 4.0",
        "# (https://creativecommons.org/licenses/by/4.0/); names filtered, zones added.",
        "# Regenerate: python3 tools/gen_place_table.py (needs libtimezonemap-data and"
        " unicode-cldr-core).",
        "# C code name population aliases | R country region name |",
        "# Z tz-id zone-key own (1: the zone's own tz id) |",
        "# P name alternates country region latitude longitude population zone [PPLX: a district]",
    ]
    for code in used_countries:
        c = countries[code]
        aliases = ",".join(COUNTRY_ALIASES.get(code, []))
        out.append(f"C\t{code}\t{c['name']}\t{c['population']}\t{aliases}")
    for country, region in used_regions:
        out.append(f"R\t{country}\t{region}\t{regions[country + '.' + region][0]}")
    for tz, key in zone_pairs:
        out.append(f"Z\t{tz}\t{key}\t{1 if (tz, key) in golden_pairs else 0}")
    for name, alts, country, region, lat, lon, population, zone, _, feature in places:
        out.append("\t".join([clean(name), ",".join(clean(a) for a in alts), country, region,
                              f"{lat:.2f}", f"{lon:.2f}", str(population), str(zones[zone])]))
        out[-1] = "P\t" + out[-1] + ("\t" + DISTRICT if feature == DISTRICT else "")
    text = "\n".join(out) + "\n"
    if any(len(line.split("\t")) not in (4, 5, 9, 10) for line in out if not line.startswith("#")):
        sys.exit("a field holds a tab")
    with open(opts.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    for note in notes:
        print(note, file=sys.stderr)
    sizes, mapped = write_place_names(os.path.dirname(opts.out), places, countries, regions,
                                      used_countries, used_regions, opts.cldr, opts.geonames,
                                      tznames)
    print(f"{mapped} of {len(used_regions)} regions matched to CLDR subdivisions; names per "
          "language: " + ", ".join(f"{k} {v} bytes" for k, v in sizes.items()) +
          f" ({sum(sizes.values())} in all)", file=sys.stderr)
    print(f"{len(places)} places, {len(zone_pairs)} tz ids, {len(used_countries)} countries, "
          f"{len(used_regions)} regions: {len(text.encode())} bytes to {opts.out}",
          file=sys.stderr)


if __name__ == "__main__":
    main()
