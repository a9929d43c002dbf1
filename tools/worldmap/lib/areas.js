'use strict';
// Area numbers: 0..24 are the ocean bands of whole-hour offsets -12..+12 (band = round(lon / 15));
// the Windows zones follow from 25 on, in sorted key order.

const FIRST_BAND = -12;
const LAST_BAND = 12;
const FIRST_ZONE_AREA = LAST_BAND - FIRST_BAND + 1;
const MAX_AREA = 255;

function bandOfLongitude(lon) {
  return Math.max(FIRST_BAND, Math.min(LAST_BAND, Math.round(lon / 15)));
}

function bandArea(band) {
  return band - FIRST_BAND;
}

// The ocean band area of a standard offset in minutes east, or -1 when it is not a whole hour
// or lies beyond the bands (+13, +14).
function bandAreaOfOffset(minutes) {
  if (minutes % 60 !== 0) return -1;
  const hours = minutes / 60;
  if (hours < FIRST_BAND || hours > LAST_BAND) return -1;
  return bandArea(hours);
}

// Map from Windows key name to its area number; keys compared by code unit, so the order does not
// depend on the locale.
function zoneAreas(keys) {
  const sorted = [...new Set(keys)].sort((a, b) => (a < b ? -1 : a > b ? 1 : 0));
  if (FIRST_ZONE_AREA + sorted.length - 1 > MAX_AREA) {
    throw new Error(`${sorted.length} zones do not fit in the 256 area numbers`);
  }
  return new Map(sorted.map((key, i) => [key, FIRST_ZONE_AREA + i]));
}

module.exports = { bandOfLongitude, bandArea, bandAreaOfOffset, zoneAreas, FIRST_ZONE_AREA };
