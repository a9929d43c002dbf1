"""Per-language names of the places in resources/places.tsv: resources/place_names_XX.tsv.

tools/gen_place_table.py calls write_place_names() with the places it has just written, so the
place numbers of both files agree. Sources: CLDR (common/main/XX.xml for country names and
the exemplar cities of tz ids, common/subdivisions/XX.xml for first-level regions; Unicode
licence) and the alternate names in GeoNames' cities15000.txt (CC BY 4.0). GeoNames'
alternates carry no language: a language keeps those written in its script (Cyrillic for
Russian, Han and Kana for Japanese, Han for Chinese, Arabic for Arabic), at most
MAX_SCRIPT_NAMES a place; Latin-script languages search the Latin alternates that places.tsv
already holds.

GeoNames' region codes are FIPS codes in some countries and ISO 3166-2 codes in others: a
region is matched to CLDR's subdivision by its English name within its country, else by its
code when CLDR has that code.

Table (UTF-8, tab-separated, '#' lines are comments):
  C  country code  name                              the country's name in the language
  R  country code  region code  name                 a region's name in the language
  P  place k  shown  name,name...                    place k (counted from 0 in places.tsv's
                                                     P lines): the name shown for it (the tz
                                                     id's exemplar city; may be empty) and
                                                     more names to search
"""

import os
import re
import unicodedata
import xml.etree.ElementTree as ET

from text_fold import fold

LANGUAGES = {
    # language: CLDR files, the most particular first, and the script of its own names
    "de": (["de"], None),
    "fr": (["fr"], None),
    "es": (["es"], None),
    "pt_BR": (["pt_BR", "pt"], None),
    "ru": (["ru"], "cyrillic"),
    "ja": (["ja"], "japanese"),
    "zh_CN": (["zh_Hans_CN", "zh_Hans", "zh"], "han"),
    "ar": (["ar"], "arabic"),
}
MAX_SCRIPT_NAMES = 2

# Letters of Ukrainian, Belarusian, Kazakh, Mongolian and others that Russian does not use, and
# Persian, Urdu, Pashto and Kurdish letters that Arabic does not use.
NOT_RUSSIAN = set("іїєґўәөүңҗһқғұІЇЄҐЎӘӨҮҢҖҺҚҒҰјљњћђџЈЉЊЋЂЏ")
ARABIC_LETTERS = re.compile(r"^[\u0621-\u064A\u064B-\u0652 ]+$")
# Generic words that GeoNames and CLDR add to region names in different ways.
REGION_WORDS = re.compile(r"\b(province|region|oblast|state|of|the|governorate|prefecture|"
                          r"department|district|county|municipality|city|autonomous|republic|"
                          r"kray|krai|okrug|voivodeship|canton|land|shi|sheng)\b")


def script_ok(name, script):
    if script == "cyrillic":
        return all("\u0400" <= c <= "\u04ff" or c in " -" for c in name) and \
            not NOT_RUSSIAN & set(name) and any(c.isalpha() for c in name)
    if script == "japanese":
        return all(is_han(c) or "\u3040" <= c <= "\u30ff" for c in name)
    if script == "han":
        return all(is_han(c) for c in name)
    if script == "arabic":
        return bool(ARABIC_LETTERS.match(name)) and name.strip() == name
    return False


def is_han(c):
    return "\u4e00" <= c <= "\u9fff" or "\u3400" <= c <= "\u4dbf"


def read_chain(cldr_dir, folder, chain):
    """The CLDR files of one language, the most particular first (missing ones left out)."""
    roots = []
    for name in chain:
        path = os.path.join(cldr_dir, "common", folder, name + ".xml")
        if os.path.isfile(path):
            roots.append(ET.parse(path).getroot())
    return roots


def first_texts(roots, path, attribute):
    """{attribute value: text} of the elements at `path` without alt= or draft=unconfirmed,
    the most particular file first."""
    found = {}
    for root in roots:
        for node in root.iterfind(path):
            key = node.get(attribute)
            if node.get("alt") or node.get("draft") == "unconfirmed" or not node.text:
                continue
            found.setdefault(key, node.text.strip())
    return found


def exemplar_cities(roots):
    found = {}
    for root in roots:
        for zone in root.iterfind("dates/timeZoneNames/zone"):
            city = zone.find("exemplarCity")
            if city is not None and city.text and not city.get("alt"):
                found.setdefault(zone.get("type"), city.text.strip())
    return found


def region_key(text):
    return " ".join(REGION_WORDS.sub(" ", fold(text)).split())


def iso_regions(cldr_dir, regions, used_regions):
    """{(country, GeoNames region code): CLDR subdivision code}, matched as well as the names
    allow."""
    english = first_texts(read_chain(cldr_dir, "subdivisions", ["en"]),
                          "localeDisplayNames/subdivisions/subdivision", "type")
    by_country = {}
    for code, name in english.items():
        by_country.setdefault(code[:2], []).append((code, name))
    mapped = {}
    for country, region in used_regions:
        candidates = by_country.get(country.lower(), [])
        names = regions[country + "." + region]
        for key in (fold, region_key):
            wanted = {key(n) for n in names}
            hits = [code for code, name in candidates if key(name) in wanted]
            if len(hits) == 1:
                mapped[(country, region)] = hits[0]
                break
        else:
            code = (country + region).lower()
            if region.isalpha() and code in english:
                mapped[(country, region)] = code
    return mapped


def tz_cities(places):
    """{tz id: place number} of the place that stands for each tz id: the one named like the
    id's last part, else its largest."""
    chosen, named = {}, set()
    for k, place in enumerate(places):
        tz = place[7][0]
        city = fold(tz.rsplit("/", 1)[-1].replace("_", " "))
        if tz in named:
            continue
        if fold(place[0]) == city:
            chosen[tz] = k
            named.add(tz)
        else:
            chosen.setdefault(tz, k)
    return chosen


def header(language, cldr_dir, geonames_dir):
    return [
        f"# Place names in {language} for place search. GENERATED FILE, do not edit by hand.",
        "# Generated by tools/gen_place_table.py (tools/place_names.py) together with",
        "# places.tsv, whose P lines the place numbers count, from CLDR 41",
        f"# ({cldr_dir}: common/main, common/subdivisions; Unicode licence,",
        "# https://www.unicode.org/license.txt) and the alternate names in GeoNames'",
        f"# cities15000.txt ({geonames_dir}; https://www.geonames.org/, CC BY 4.0,",
        "# https://creativecommons.org/licenses/by/4.0/), kept by script.",
        "# C country name | R country region name | P place shown name,name...",
    ]


def clean(text):
    return " ".join(text.replace(",", " ").replace("\t", " ").split())


def write_place_names(out_dir, places, countries, regions, used_countries, used_regions,
                      cldr_dir, geonames_dir, tznames):
    """places: as gen_place_table.py writes them, each ending with its raw alternate names;
    regions: {"CC.code": [name, ascii name]}. Returns {language: bytes written}."""
    iso = iso_regions(cldr_dir, regions, used_regions)
    cities = tz_cities(places)
    sizes = {}
    for language, (chain, script) in LANGUAGES.items():
        main = read_chain(cldr_dir, "main", chain)
        territory = first_texts(main, "localeDisplayNames/territories/territory", "type")
        subdivision = first_texts(read_chain(cldr_dir, "subdivisions", chain),
                                  "localeDisplayNames/subdivisions/subdivision", "type")
        exemplar = {}
        for tz, city in exemplar_cities(main).items():
            system = tznames.system_id(tz)
            if system:
                exemplar.setdefault(system, city)
        out = header(language, cldr_dir, geonames_dir)
        for code in used_countries:
            name = territory.get(code)
            if name and name != countries[code]["name"]:
                out.append(f"C\t{code}\t{clean(name)}")
        region_names = {}
        for country, region in used_regions:
            name = subdivision.get(iso.get((country, region), ""))
            if name and name != regions[country + "." + region][0]:
                region_names[(country, region)] = clean(name)
                out.append(f"R\t{country}\t{region}\t{clean(name)}")
        by_place = {k: tz for tz, k in cities.items()}
        for k, place in enumerate(places):
            own, alts, country, region, raw = place[0], place[1], place[2], place[3], place[8]
            shown = ""
            if k in by_place and exemplar.get(by_place[k]):
                shown = clean(exemplar[by_place[k]])
            # A city named like its region (Beijing, Tokyo, Moscow): the region's name in the
            # language is the city's too.
            regional = region_names.get((country, region))
            own_region = regions.get(f"{country}.{region}", [""])[0]
            if regional and fold(own) in (fold(own_region), region_key(own_region)):
                shown = shown or regional
            known = {own.lower()} | {a.lower() for a in alts} | {shown.lower()}
            names = []
            candidates = [a for a in raw if script and script_ok(a, script)]
            for name in candidates:
                name = clean(unicodedata.normalize("NFC", name))
                if name and name.lower() not in known and len(names) < MAX_SCRIPT_NAMES:
                    known.add(name.lower())
                    names.append(name)
            if shown == own and not names:
                continue
            if shown or names:
                out.append(f"P\t{k}\t{'' if shown == own else shown}\t{','.join(names)}")
        text = "\n".join(out) + "\n"
        path = os.path.join(out_dir, f"place_names_{language}.tsv")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        sizes[language] = len(text.encode())
    return sizes, len(iso)
