'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { parseWindowsZones, parseTzLinks, makeResolver } = require('../lib/windows_zones');
const { parseIso6709, parseZoneTab } = require('../lib/zone_tab');
const { bandOfLongitude, bandAreaOfOffset, zoneAreas, FIRST_ZONE_AREA } = require('../lib/areas');
const { standardOffset } = require('../lib/zone_offsets');
const { unwrapRing, ringIntervals } = require('../lib/land_mask');
const { pixelAt, pixelCentre, WIDTH, HEIGHT } = require('../lib/grid');

test('every id of every territory maps to its Windows zone, also through tz links', () => {
  const xml = `<mapTimezones otherVersion="x1" typeVersion="2021a">
    <mapZone other="FLE Standard Time" territory="001" type="Europe/Kiev"/>
    <mapZone other="FLE Standard Time" territory="UA" type="Europe/Kiev Europe/Uzhgorod"/>
    <mapZone other="E. Africa Standard Time" territory="ER" type="Africa/Asmera"/>`;
  const cldr = parseWindowsZones(xml);
  assert.strictEqual(cldr.golden.get('FLE Standard Time'), 'Europe/Kiev');
  assert.strictEqual(cldr.toWindows.get('Europe/Uzhgorod'), 'FLE Standard Time');
  assert.deepStrictEqual([...cldr.territoriesOf.get('FLE Standard Time')], ['001', 'UA']);
  assert.strictEqual(cldr.typeVersion, '2021a');
  const links = parseTzLinks('# version 2025b\nZ Europe/Kyiv 2:2 -\nL Europe/Kyiv Europe/Kiev\n');
  const resolve = makeResolver(cldr, links);
  assert.strictEqual(resolve('Europe/Kyiv'), 'FLE Standard Time');
  assert.strictEqual(resolve('Africa/Asmera'), 'E. Africa Standard Time');
  assert.strictEqual(resolve('Asia/Nowhere'), null);
});

test('zone.tab coordinates in minutes and in seconds', () => {
  assert.deepStrictEqual(parseIso6709('+4230+00131'), { lat: 42.5, lon: 1 + 31 / 60 });
  const ny = parseIso6709('+404251-0740023');
  assert.ok(Math.abs(ny.lat - (40 + 42 / 60 + 51 / 3600)) < 1e-9);
  assert.ok(Math.abs(ny.lon + (74 + 0 / 60 + 23 / 3600)) < 1e-9);
  assert.strictEqual(parseIso6709('4230+00131'), null);
  const tab = parseZoneTab('# c\nAD\t+4230+00131\tEurope/Andorra\nCH,DE\t+4723+00832\tEurope/Zurich\tx\n');
  assert.deepStrictEqual(tab.get('Europe/Zurich').countries, ['CH', 'DE']);
});

test('ocean bands and standard offsets', () => {
  assert.strictEqual(bandOfLongitude(-179.5), -12);
  assert.strictEqual(bandOfLongitude(7.4), 0);
  assert.strictEqual(bandOfLongitude(7.6), 1);
  assert.strictEqual(bandOfLongitude(179.5), 12);
  assert.strictEqual(bandAreaOfOffset(0), 12);
  assert.strictEqual(bandAreaOfOffset(-720), 0);
  assert.strictEqual(bandAreaOfOffset(720), 24);
  assert.strictEqual(bandAreaOfOffset(330), -1); // India
  assert.strictEqual(bandAreaOfOffset(780), -1); // Tonga: beyond the bands
  // Winter offsets, whichever hemisphere and whichever way the tz data labels them.
  assert.strictEqual(standardOffset('America/New_York', 2025), -300);
  assert.strictEqual(standardOffset('Australia/Sydney', 2025), 600);
  assert.strictEqual(standardOffset('Europe/Dublin', 2025), 0);
});

test('zones are numbered after the bands in code-unit key order', () => {
  const areas = zoneAreas(['b', 'B', 'a', 'b']);
  assert.deepStrictEqual([...areas], [
    ['B', FIRST_ZONE_AREA],
    ['a', FIRST_ZONE_AREA + 1],
    ['b', FIRST_ZONE_AREA + 2],
  ]);
  assert.throws(() => zoneAreas(Array.from({ length: 232 }, (_, i) => `z${i}`)));
});

test('land rings across the antimeridian are unwrapped; rings around a pole are refused', () => {
  const chukotka = [[170, 60], [180, 60], [-170, 60], [-170, 70], [180, 70], [170, 70], [170, 60]];
  const ring = unwrapRing(chukotka);
  assert.deepStrictEqual(ringIntervals(ring, 65), [[170, 190]]);
  const polar = [[-180, -80], [0, -80], [180, -80], [180, -90], [-180, -90], [-180, -80]];
  assert.strictEqual(unwrapRing(polar), null);
});

test('pixel grid corners', () => {
  assert.deepStrictEqual(pixelAt(84, -180), { x: 0, y: 0 });
  assert.deepStrictEqual(pixelAt(-59.99, 179.99), { x: WIDTH - 1, y: HEIGHT - 1 });
  assert.strictEqual(pixelAt(-60.01, 0), null);
  assert.strictEqual(pixelAt(85, 0), null);
  const c = pixelCentre(0, 0);
  assert.deepStrictEqual(pixelAt(c.lat, c.lon), { x: 0, y: 0 });
});
