'use strict';
// Locations of zone.tab / zone1970.tab: IANA id -> { lat, lon }.

function parseCoordinate(text, degreeDigits) {
  const sign = text[0] === '-' ? -1 : 1;
  const digits = text.slice(1);
  const deg = Number(digits.slice(0, degreeDigits));
  const min = Number(digits.slice(degreeDigits, degreeDigits + 2));
  const sec = digits.length > degreeDigits + 2 ? Number(digits.slice(degreeDigits + 2)) : 0;
  return sign * (deg + min / 60 + sec / 3600);
}

// "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS".
function parseIso6709(text) {
  const m = /^([+-]\d{4}(?:\d{2})?)([+-]\d{5}(?:\d{2})?)$/.exec(text);
  if (!m) return null;
  return { lat: parseCoordinate(m[1], 2), lon: parseCoordinate(m[2], 3) };
}

// IANA id -> { lat, lon, countries } (countries: the first column, comma-separated in zone1970.tab).
function parseZoneTab(text, into = new Map()) {
  for (const line of text.split('\n')) {
    if (line.startsWith('#') || !line.trim()) continue;
    const cols = line.split('\t');
    if (cols.length < 3) continue;
    const where = parseIso6709(cols[1]);
    if (where && !into.has(cols[2])) into.set(cols[2], { ...where, countries: cols[0].split(',') });
  }
  return into;
}

module.exports = { parseIso6709, parseZoneTab };
