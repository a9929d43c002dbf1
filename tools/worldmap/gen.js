#!/usr/bin/env node
'use strict';
// Generates resources/worldmap.bmp (356 x 184, RLE8, pixel values are area numbers) and fills the
// map id columns of resources/windows_zones.tsv. See README.md.

const fs = require('fs');
const path = require('path');
const { find } = require('geo-tz/all');
const { WIDTH, HEIGHT, pixelCentre, pixelAt } = require('./lib/grid');
const { rasterizeLand } = require('./lib/land_mask');
const { loadWindowsZones } = require('./lib/windows_zones');
const { standardOffset, offsetSignature } = require('./lib/zone_offsets');
const { parseZoneTab } = require('./lib/zone_tab');
const { readZoneTable, fillMapIds } = require('./lib/zone_table');
const { bandOfLongitude, bandArea, bandAreaOfOffset, zoneAreas } = require('./lib/areas');
const { writeBmpRle8 } = require('./lib/bmp_rle8');

const REPO = path.resolve(__dirname, '..', '..');
const UNKNOWN = -1;

function parseArgs(argv) {
  const opts = {
    table: path.join(REPO, 'resources', 'windows_zones.tsv'),
    bmp: path.join(REPO, 'resources', 'worldmap.bmp'),
    cldr: '/usr/share/unicode/cldr/common/supplemental/windowsZones.xml',
    zoneinfo: '/usr/share/zoneinfo',
    year: 2025,
  };
  for (let i = 2; i < argv.length; i += 2) {
    const name = argv[i].replace(/^--/, '');
    if (!(name in opts) || i + 1 >= argv.length) {
      throw new Error(`usage: node gen.js [--table F] [--bmp F] [--cldr F] [--zoneinfo D] [--year Y]`);
    }
    opts[name] = name === 'year' ? Number(argv[i + 1]) : argv[i + 1];
  }
  return opts;
}

function packageVersion(name) {
  const file = path.join(__dirname, 'node_modules', name, 'package.json');
  return JSON.parse(fs.readFileSync(file, 'utf8')).version;
}

// The zones to number: the table's rows when the table exists, else every CLDR Windows zone.
function loadZones(opts, wz) {
  if (fs.existsSync(opts.table)) {
    const rows = readZoneTable(fs.readFileSync(opts.table, 'utf8'));
    if (rows.length > 0) return { rows, fromTable: true };
  }
  const rows = [...wz.cldr.golden].map(([key, iana]) => ({ key, iana }));
  return { rows, fromTable: false };
}

// Chooses the Windows zone of a land pixel from geo-tz's ids ("Etc/..." means no land zone).
// Several ids mark an area claimed by more than one zone: prefer an id that is some zone's own
// (territory 001) id, then the first in name order.
function makeZoneChooser(wz, zonesByKey, goldenIds, locations, year, notes) {
  const sortedKeys = [...zonesByKey.keys()].sort();
  const signatureOf = new Map(sortedKeys.map((k) => [k, offsetSignature(zonesByKey.get(k).iana, year)]));
  // An id newer than the CLDR table: the zone that keeps the same time all year, one used in the
  // id's country first.
  const matchByOffsets = (id) => {
    const sig = offsetSignature(id, year);
    const countries = (locations.get(id) || { countries: [] }).countries;
    const same = sortedKeys.filter((k) => signatureOf.get(k) === sig);
    const local = same.filter((k) =>
      countries.some((c) => (wz.cldr.territoriesOf.get(k) || new Set()).has(c)),
    );
    return local[0] || same[0] || null;
  };
  const cache = new Map();
  const resolveId = (id) => {
    if (cache.has(id)) return cache.get(id);
    let key = wz.resolve(id);
    if (key && !zonesByKey.has(key)) key = null;
    if (!key && !id.startsWith('Etc/')) {
      key = matchByOffsets(id);
      notes.push(`${id}: not in CLDR, matched by offsets to ${key || 'nothing'}`);
    }
    cache.set(id, key);
    return key;
  };
  return (ids) => {
    const land = ids.filter((id) => !id.startsWith('Etc/'));
    if (land.length === 0) return null;
    const ordered = [...land].sort((a, b) => {
      const ga = goldenIds.has(wz.links.get(a) || a) ? 0 : 1;
      const gb = goldenIds.has(wz.links.get(b) || b) ? 0 : 1;
      return ga - gb || (a < b ? -1 : a > b ? 1 : 0);
    });
    for (const id of ordered) {
      const key = resolveId(id);
      if (key) return key;
    }
    return null;
  };
}

// Land pixels without a zone take the zone of the nearest land pixel that has one (breadth-first,
// wrapping east-west); what stays unknown becomes ocean.
function fillUnknownLand(owner) {
  const queue = [];
  for (let i = 0; i < owner.length; i++) if (owner[i] >= 0) queue.push(i);
  for (let q = 0; q < queue.length; q++) {
    const i = queue[q];
    const x = i % WIDTH;
    const y = (i - x) / WIDTH;
    const next = [
      y * WIDTH + ((x + 1) % WIDTH),
      y * WIDTH + ((x + WIDTH - 1) % WIDTH),
      y > 0 ? i - WIDTH : -1,
      y < HEIGHT - 1 ? i + WIDTH : -1,
    ];
    for (const j of next) {
      if (j >= 0 && owner[j] === UNKNOWN) {
        owner[j] = owner[i];
        queue.push(j);
      }
    }
  }
}

function main() {
  const opts = parseArgs(process.argv);
  const wz = loadWindowsZones(opts.cldr, path.join(opts.zoneinfo, 'tzdata.zi'));
  const { rows, fromTable } = loadZones(opts, wz);
  const zonesByKey = new Map(rows.map((r) => [r.key, r]));
  const areaOf = zoneAreas(rows.map((r) => r.key));
  const goldenIds = new Set(rows.map((r) => wz.links.get(r.iana) || r.iana));
  const locations = parseZoneTab(fs.readFileSync(path.join(opts.zoneinfo, 'zone.tab'), 'utf8'));
  parseZoneTab(fs.readFileSync(path.join(opts.zoneinfo, 'zone1970.tab'), 'utf8'), locations);
  const notes = [];
  const chooseZone = makeZoneChooser(wz, zonesByKey, goldenIds, locations, opts.year, notes);

  // Land: area of the pixel's Windows zone (-2 ocean, -1 land without a zone yet).
  const topology = require('world-atlas/land-50m.json');
  const land = rasterizeLand(topology);
  const owner = new Int32Array(WIDTH * HEIGHT).fill(-2);
  let landPixels = 0;
  for (let y = 0; y < HEIGHT; y++) {
    for (let x = 0; x < WIDTH; x++) {
      const i = y * WIDTH + x;
      if (!land[i]) continue;
      landPixels++;
      const { lat, lon } = pixelCentre(x, y);
      const key = chooseZone(find(lat, lon));
      owner[i] = key ? areaOf.get(key) : UNKNOWN;
    }
  }
  const unknownLand = owner.reduce((n, a) => n + (a === UNKNOWN ? 1 : 0), 0);
  fillUnknownLand(owner);
  for (let i = 0; i < owner.length; i++) {
    if (owner[i] < 0) owner[i] = bandArea(bandOfLongitude(pixelCentre(i % WIDTH, 0).lon));
  }

  const count = new Map();
  for (const a of owner) count.set(a, (count.get(a) || 0) + 1);
  const ownsLand = new Set([...areaOf].filter(([, a]) => count.has(a)).map(([k]) => k));

  // Zones too small for a pixel take the one at their zone.tab location when its owner keeps others.
  const seeded = [];
  for (const [key, area] of areaOf) {
    if (count.has(area)) continue;
    const ids = [zonesByKey.get(key).iana, ...(wz.cldr.idsOf.get(key) || [])];
    for (const id of ids) {
      const where = locations.get(id) || locations.get(wz.links.get(id));
      const px = where && pixelAt(where.lat, where.lon);
      if (!px) continue;
      const i = px.y * WIDTH + px.x;
      if (count.get(owner[i]) < 2) continue;
      count.set(owner[i], count.get(owner[i]) - 1);
      owner[i] = area;
      count.set(area, 1);
      seeded.push(`${key} at ${id} (${px.x},${px.y})`);
      break;
    }
  }

  const mapIds = new Map();
  const noBand = [];
  for (const [key, area] of areaOf) {
    const id1 = count.has(area) ? area : -1;
    const id2 = bandAreaOfOffset(standardOffset(zonesByKey.get(key).iana, opts.year));
    if (id2 < 0) noBand.push(key);
    mapIds.set(key, [id1, id2]);
  }

  const pixels = Uint8Array.from(owner);
  const palette = Array.from({ length: 256 }, (_, a) => {
    const grey = a < 25 ? 208 : 48 + ((a * 37) % 112);
    return [grey, grey, grey];
  });
  const bmp = writeBmpRle8(pixels, WIDTH, HEIGHT, palette);
  fs.writeFileSync(opts.bmp, bmp);

  const sources = [
    `geo-tz ${packageVersion('geo-tz')} (comprehensive boundaries)`,
    `world-atlas ${packageVersion('world-atlas')} (Natural Earth land-50m)`,
    `topojson-client ${packageVersion('topojson-client')}`,
    `CLDR windowsZones.xml (otherVersion ${wz.cldr.otherVersion}, typeVersion ${wz.cldr.typeVersion})`,
    `tzdata ${wz.tzdataVersion} zone.tab and links`,
    `standard offsets of ${opts.year} from Node ${process.version} ICU tz ${process.versions.tz}`,
  ];
  const stats = {
    areasUsed: count.size,
    zones: areaOf.size,
    zonesOwningLand: ownsLand.size,
    zonesWithPixels: [...areaOf.values()].filter((a) => count.has(a)).length,
    landPixels,
    unknownLand,
  };
  const sidecar = [
    'resources/worldmap.bmp: generated by tools/worldmap/gen.js; do not edit (see tools/worldmap/README.md).',
    `${WIDTH} x ${HEIGHT}, 8 bits per pixel, RLE8, equirectangular 180W..180E, 84N..60S; ${bmp.length} bytes.`,
    'Pixel values are area numbers: 0..24 the ocean bands of whole-hour offsets -12..+12',
    '(band = round(longitude / 15)); from 25 on the Windows zones in sorted key order (land pixels',
    "by the zone at the pixel's centre; zones too small for a pixel own the pixel at their zone.tab",
    'location). The colour table is neutral; the program replaces it.',
    'Data:',
    ...sources.map((s) => `  ${s}`),
    `Areas used: ${stats.areasUsed}; zones owning pixels: ${stats.zonesWithPixels} of ${stats.zones}.`,
    '',
  ].join('\n');
  fs.writeFileSync(`${opts.bmp}.txt`, sidecar);

  if (fromTable) {
    const banner = `filled by tools/worldmap/gen.js from the world map (${sources[0]}, ${sources[1]}).`;
    const text = fs.readFileSync(opts.table, 'utf8');
    fs.writeFileSync(opts.table, fillMapIds(text, mapIds, banner));
  }

  console.log(`zones: ${stats.zones} (${fromTable ? 'from the table' : 'from CLDR, no table yet'})`);
  console.log(`land pixels: ${landPixels}, without a zone before filling: ${unknownLand}`);
  console.log(`zones owning land pixels: ${stats.zonesOwningLand}`);
  console.log(`zones owning pixels after seeding: ${stats.zonesWithPixels}`);
  console.log(`seeded: ${seeded.length}`);
  for (const s of seeded) console.log(`  ${s}`);
  const none = [...areaOf.keys()].filter((k) => !count.has(areaOf.get(k)));
  console.log(`zones without pixels: ${none.join(', ') || 'none'}`);
  console.log(`zones without an ocean band (MapId2 -1): ${noBand.join(', ')}`);
  for (const n of notes) console.log(`note: ${n}`);
  console.log(`areas used: ${stats.areasUsed}; ${opts.bmp}: ${bmp.length} bytes`);
}

main();
