#!/usr/bin/env python3
"""Writes resources/zone_names/zone_names_XX.tsv: the zones' display texts in the program's languages.

The catalogue's English display texts (resources/windows_zones.tsv, the part after "(UTC+01:00) ")
are put into each language from CLDR locale data:
  * a list of cities ("Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna"): each city becomes the
    language's exemplar city of the tz id it names, found by CLDR's English exemplar city or the
    tz id's last part ("Vienna" -> Europe/Vienna -> "Wien");
  * a country or region ("Central America", "Greenland", "Solomon Is."): the language's name of
    the territory;
  * a text without a city ("Mountain Time (US & Canada)", "Coordinated Universal Time"): a state
    or province of the zone's own country when CLDR names it the same ("Arizona"), else the
    language's metazone name of the zone's own tz id (generic, else standard), followed by the
    territory hint in brackets when the English text has one, or else by the zone's own
    exemplar city, so that zones of one metazone stay apart.
A city CLDR does not name (Bern, Edinburgh, Osaka) is kept as it is in the languages written in
Latin letters; in the others it becomes the name of the state or province of the zone's country
it names, if any, and is otherwise left out of a list that keeps at least one other city. Only
where nothing else is found does the English text stay.

Each output line: zone key TAB English display text TAB the language's display text. The program
replaces a zone's text only where its English text is the one in the file.

Usage: /usr/bin/python3 tools/gen_zone_names.py [--cldr DIR] [--zones FILE] [--out DIR]
Needs the Debian package unicode-cldr-core; the program's build does not.
"""

import argparse
import collections
import difflib
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_CLDR = "/usr/share/unicode/cldr"
DEFAULT_ZONES = os.path.normpath(os.path.join(HERE, "..", "resources", "windows_zones.tsv"))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "resources", "zone_names"))

# The program's languages and the CLDR locale files each reads, most particular first.
LANGUAGES = {
    "de": ["de"],
    "fr": ["fr"],
    "es": ["es"],
    "pt_BR": ["pt_BR", "pt"],
    "ru": ["ru"],
    "ja": ["ja"],
    "zh_CN": ["zh_Hans_CN", "zh_Hans", "zh"],
    "ar": ["ar"],
}
LATIN_SCRIPT = {"de", "fr", "es", "pt_BR"}

# Words of an English text that names a region, not a city.
REGION_WORDS = {"time", "island", "islands", "is.", "africa", "america", "asia", "europe", "line"}
# How the cities of one zone are listed: commas, as in the English texts.
SEPARATORS = {"ja": "、", "zh_CN": "、", "ar": "، "}

UTC_SUFFIX_RE = re.compile(r"^(.*?)([+-]\d\d)$")
HINT_RE = re.compile(r"^(.*?)\s*\(([^)]*)\)$")

LICENCE = """\
# CLDR data: Copyright (c) 1991-2022 Unicode, Inc. All rights reserved. Distributed under the
# Unicode License (UNICODE, INC. LICENSE AGREEMENT - DATA FILES AND SOFTWARE), see
# https://www.unicode.org/copyright.html and /usr/share/doc/unicode-cldr-core/copyright."""


def fold(text):
    """The comparison form of a name: no accents, lower case, one spelling of "and" and "Saint"."""
    text = unicodedata.normalize("NFKD", text)
    text = "".join(c for c in text if not unicodedata.combining(c)).lower()
    text = text.replace("’", "'").replace(" and ", " & ").replace("saint ", "st. ")
    for suffix in (" islands", " island", " is."):
        if text.endswith(suffix):
            text = text[: -len(suffix)]
    if text.startswith("city of "):
        text = text[len("city of "):]
    return text.strip()


def clean(text):
    """A name as shown: without soft hyphens."""
    return text.replace("\u00ad", "").strip()


def read_xml(path):
    return ET.parse(path).getroot() if os.path.isfile(path) else None


def cldr_version(cldr):
    try:
        with open(os.path.join(cldr, "common", "dtd", "ldml.dtd"), encoding="utf-8") as f:
            match = re.search(r'cldrVersion\s+CDATA\s+#FIXED\s+"([^"]+)"', f.read())
            return match.group(1) if match else "unknown"
    except OSError:
        return "unknown"


def approved(node):
    return node.get("draft") not in ("unconfirmed", "provisional")


class Locale:
    """One language's names, read through its chain of locale files (root last)."""

    def __init__(self, cldr, files):
        self.roots = [r for r in (read_xml(os.path.join(cldr, "common", "main", f + ".xml"))
                                  for f in files + ["root"]) if r is not None]
        self.subdivision_roots = [
            r for r in (read_xml(os.path.join(cldr, "common", "subdivisions", f + ".xml")) for f in files)
            if r is not None]

    def first(self, xpath, roots=None):
        for root in self.roots if roots is None else roots:
            for node in root.findall(xpath):
                if approved(node) and node.text:
                    return clean(node.text)
        return None

    def exemplar_city(self, cldr_id):
        return self.first(f"dates/timeZoneNames/zone[@type='{cldr_id}']/exemplarCity")

    def zone_long_name(self, cldr_id):
        for kind in ("generic", "standard"):
            name = self.first(f"dates/timeZoneNames/zone[@type='{cldr_id}']/long/{kind}")
            if name:
                return name
        return None

    def metazone_name(self, metazone):
        for kind in ("generic", "standard"):
            name = self.first(f"dates/timeZoneNames/metazone[@type='{metazone}']/long/{kind}",
                              self.roots[:-1])
            if name:
                return name
        return None

    def territory(self, code, alt=None):
        for root in self.roots[:-1]:
            for node in root.findall(f"localeDisplayNames/territories/territory[@type='{code}']"):
                if node.get("alt") == alt and approved(node) and node.text:
                    return clean(node.text)
        return None

    def territories(self):
        """(code, alt, name) of every territory name."""
        seen = set()
        for root in self.roots[:-1]:
            for node in root.findall("localeDisplayNames/territories/territory"):
                key = (node.get("type"), node.get("alt"))
                if key not in seen and node.text:
                    seen.add(key)
                    yield key[0], key[1], node.text.strip()

    def subdivision(self, code):
        name = self.first(f"localeDisplayNames/subdivisions/subdivision[@type='{code}']",
                          self.subdivision_roots)
        # Some names carry a footnote mark ("Port Louis²"): not a name to show.
        return name if name and not any(unicodedata.category(c) == "No" for c in name) else None

    def subdivisions(self):
        for root in self.subdivision_roots:
            for node in root.findall("localeDisplayNames/subdivisions/subdivision"):
                if node.text:
                    yield node.get("type"), node.text.strip()

    def pair(self, a, b):
        pattern = (self.first("listPatterns/listPattern[@type='standard']/listPatternPart[@type='2']")
                   or self.first("listPatterns/listPattern/listPatternPart[@type='2']") or "{0}, {1}")
        return pattern.replace("{0}", a).replace("{1}", b)

    def gmt_text(self, seconds_east):
        hour_format = (self.first("dates/timeZoneNames/hourFormat") or "+HH:mm;-HH:mm").split(";")
        pattern = hour_format[0] if seconds_east >= 0 else hour_format[-1]
        minutes = abs(seconds_east) // 60
        text = pattern.replace("HH", f"{minutes // 60:02d}").replace("mm", f"{minutes % 60:02d}")
        return (self.first("dates/timeZoneNames/gmtFormat") or "GMT{0}").replace("{0}", text)


class Cldr:
    """What every language shares: tz id aliases, metazones, the English side."""

    def __init__(self, cldr, zoneinfo):
        self.canonical = {}  # any tz id -> CLDR's id for it
        self.aliases = collections.defaultdict(list)
        root = read_xml(os.path.join(cldr, "common", "bcp47", "timezone.xml"))
        for node in root.iter("type"):
            ids = node.get("alias", "").split()
            for tz in ids:
                self.canonical[tz] = ids[0]
            if ids:
                self.aliases[ids[0]] = ids
        self.metazone = {}
        root = read_xml(os.path.join(cldr, "common", "supplemental", "metaZones.xml"))
        for zone in root.iter("timezone"):
            for use in zone.findall("usesMetazone"):
                if use.get("to") is None:
                    self.metazone[zone.get("type")] = use.get("mzone")
        self.territory_of = {}
        root = read_xml(os.path.join(cldr, "common", "supplemental", "windowsZones.xml"))
        for node in root.iter("mapZone"):
            if node.get("territory") not in ("001", "ZZ"):
                for tz in node.get("type", "").split():
                    self.territory_of.setdefault(self.canonical.get(tz, tz), node.get("territory"))
        self.english = Locale(cldr, ["en"])
        # English exemplar cities and the last parts of the ids -> CLDR ids. An alias that the tz
        # database keeps only as a link to another city (Asia/Chongqing, Australia/Canberra,
        # US/Hawaii) names no city of the zone.
        real = real_zone_ids(zoneinfo)
        self.cities = collections.defaultdict(list)
        for cldr_id, ids in self.aliases.items():
            names = {self.english.exemplar_city(cldr_id), last_part(cldr_id)}
            names.update(last_part(tz) for tz in ids if tz in real)
            for name in names:
                if name and not cldr_id.startswith("Etc/"):
                    self.cities[fold(name)].append(cldr_id)
        self.territories = {}
        for code, alt, name in self.english.territories():
            self.territories.setdefault(fold(name), (code, alt))
        self.subdivisions = collections.defaultdict(list)
        for code, name in self.english.subdivisions():
            self.subdivisions[fold(name)].append(code)

    def city_id(self, part, territory):
        ids = self.cities.get(fold(part), [])
        same_country = [i for i in ids if self.territory_of.get(i) == territory]
        return (same_country or ids or [None])[0]

    def subdivision_code(self, part, territory):
        for code in self.subdivisions.get(fold(part), []):
            if territory and code.upper().startswith(territory):
                return code
        return None


    def english_city(self, cldr_id):
        return self.english.exemplar_city(cldr_id) or last_part(cldr_id)


def last_part(tz):
    return tz.rsplit("/", 1)[-1].replace("_", " ")


def real_zone_ids(zoneinfo):
    """The tz ids the tz database keeps as zones of their own (not links)."""
    try:
        with open(os.path.join(zoneinfo, "tzdata.zi"), encoding="utf-8") as f:
            return {line.split()[1] for line in f if line.startswith("Z ")}
    except OSError:
        return set()


def localized_exemplar(locale, cldr_id):
    return locale.exemplar_city(cldr_id) or last_part(cldr_id)


def is_region(text):
    return any(word.lower() in REGION_WORDS for word in text.split())


def territory_hint(cldr, locale, hint):
    """"US & Canada" -> "USA und Kanada"; None when a part is no territory."""
    names = []
    for part in re.split(r"\s*&\s*|\s+and\s+", hint):
        found = cldr.territories.get(fold(part))
        if not found:
            return None
        code, alt = found
        name = locale.territory(code, alt) or locale.territory(code)
        if not name:
            return None
        names.append(name)
    text = names[0]
    for name in names[1:]:
        text = locale.pair(text, name)
    return text


def localize(cldr, locale, language, english, tz, offset, counts):
    """The language's display text for one zone, and how it was found."""
    cldr_id = cldr.canonical.get(tz, tz)
    country = cldr.territory_of.get(cldr_id)
    suffix = ""
    match = UTC_SUFFIX_RE.match(english)
    if match and match.group(1) == "Coordinated Universal Time":
        english, suffix = match.group(1), match.group(2)
    base, hint = english, None
    match = HINT_RE.match(english)
    if match:
        base, hint = match.group(1), match.group(2)
    parts = [p.strip() for p in base.split(",")]

    # Cities and territories, part by part.
    found, unresolved = [], []
    for part in parts:
        city = cldr.city_id(part, country)
        if not city and difflib.SequenceMatcher(None, fold(part), fold(cldr.english_city(cldr_id))).ratio() >= 0.85:
            city = cldr_id  # another spelling of the zone's own city: "Ekaterinburg"
        if city:
            found.append(localized_exemplar(locale, city))
            continue
        territory = cldr.territories.get(fold(part))
        name = territory and (locale.territory(*territory) or locale.territory(territory[0]))
        if name:
            found.append(name)
            continue
        found.append(None)
        unresolved.append(part)
    if found and all(found):
        counts["parts from CLDR"] += len(parts)
        return SEPARATORS.get(language, ", ").join(found) + suffix, "cities"

    if len(parts) > 1 and any(found):
        # A list with cities CLDR does not name.
        out = []
        for part, name in zip(parts, found):
            if name:
                out.append(name)
                counts["parts from CLDR"] += 1
                continue
            division = cldr.subdivision_code(part, country)
            division_name = division and locale.subdivision(division)
            if language in LATIN_SCRIPT:
                out.append(part)
                counts["parts kept in Latin letters"] += 1
            elif division_name:
                out.append(division_name)
                counts["parts as state or province"] += 1
            else:
                counts["parts left out"] += 1
        return SEPARATORS.get(language, ", ").join(out) + suffix, "list"

    # No city: a region, the zone's own name or its metazone.
    division = cldr.subdivision_code(base, country)
    if division and locale.subdivision(division):
        counts["parts as state or province"] += 1
        return locale.subdivision(division) + suffix, "region"
    metazone = cldr.metazone.get(cldr_id)
    english_metazone = metazone and cldr.english.metazone_name(metazone)
    name = metazone and locale.metazone_name(metazone)
    if name and not hint and english_metazone and fold(base) in fold(english_metazone):
        counts["parts as metazone"] += 1  # "Newfoundland": "Newfoundland Time"
        return name, "metazone"
    if len(parts) == 1 and not hint and not is_region(base) and language in LATIN_SCRIPT:
        counts["parts kept in Latin letters"] += 1  # a city CLDR does not name: "Chetumal"
        return base + suffix, "Latin letters"
    hint_text = territory_hint(cldr, locale, hint) if hint else None
    name = locale.zone_long_name("Etc/UTC" if suffix else cldr_id)
    if name:
        counts["parts from CLDR"] += 1
        return name + suffix, "zone name"
    name = metazone and locale.metazone_name(metazone)
    if name:
        counts["parts as metazone"] += 1
        extra = hint_text or localized_exemplar(locale, cldr_id)
        return f"{name} ({extra})", "metazone"
    if cldr_id.startswith("Etc/GMT"):
        counts["parts as GMT offset"] += 1
        return locale.gmt_text(offset), "offset"
    if locale.exemplar_city(cldr_id):
        counts["parts as the zone's own city"] += 1
        return locale.exemplar_city(cldr_id), "own city"
    counts["parts kept in English"] += 1
    return english + suffix, "English"


def read_zones(path):
    zones = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            tz = fields[4]
            offset = 0
            match = re.match(r"^Etc/GMT([+-])(\d+)$", tz)
            if match:  # POSIX sign: Etc/GMT+12 is twelve hours west
                offset = (-1 if match.group(1) == "+" else 1) * int(match.group(2)) * 3600
            zones.append((fields[0], fields[1], tz, offset))
    return zones


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cldr", default=DEFAULT_CLDR)
    parser.add_argument("--zones", default=DEFAULT_ZONES)
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo")
    parser.add_argument("--out", default=DEFAULT_OUT)
    args = parser.parse_args()
    if not os.path.isdir(os.path.join(args.cldr, "common", "main")):
        sys.exit(f"{args.cldr}: no CLDR data (install the Debian package unicode-cldr-core)")
    cldr = Cldr(args.cldr, args.zoneinfo)
    zones = read_zones(args.zones)
    version = cldr_version(args.cldr)
    os.makedirs(args.out, exist_ok=True)
    for language, files in LANGUAGES.items():
        locale = Locale(args.cldr, files)
        counts = collections.Counter()
        ways = collections.Counter()
        rows = []
        for key, english, tz, offset in zones:
            name, way = localize(cldr, locale, language, english, tz, offset, counts)
            if not name.strip():
                name, way = english, "English"
            ways[way] += 1
            rows.append([key, english, name])
        # Two zones must not read the same: the later one gets its own city.
        seen = set()
        for row, (_, _, tz, _) in zip(rows, zones):
            if row[2] in seen:
                row[2] += f" ({localized_exemplar(locale, cldr.canonical.get(tz, tz))})"
            seen.add(row[2])
        path = os.path.join(args.out, f"zone_names_{language}.tsv")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(f"# Zone display texts in {language}. GENERATED FILE, do not edit by hand.\n")
            f.write(f"# Generated by tools/gen_zone_names.py from CLDR {version} (locale files "
                    f"{', '.join(files)}, root; subdivisions; supplemental/metaZones.xml, "
                    "windowsZones.xml; bcp47/timezone.xml)\n")
            f.write("# and the catalogue's English texts in resources/windows_zones.tsv.\n")
            f.write("# Regenerate: /usr/bin/python3 tools/gen_zone_names.py (needs the Debian package "
                    "unicode-cldr-core).\n")
            f.write("# Columns (tab-separated): zone key, English display text, display text in "
                    "this language (without the \"(UTC...) \" prefix).\n")
            f.write(LICENCE + "\n")
            for row in rows:
                f.write("\t".join(row) + "\n")
        total = sum(counts.values())
        detail = ", ".join(f"{n} {what}" for what, n in sorted(counts.items()))
        how = ", ".join(f"{n} {what}" for what, n in sorted(ways.items()))
        print(f"{language}: {len(rows)} zones ({how}); {total} parts: {detail}")


if __name__ == "__main__":
    main()
