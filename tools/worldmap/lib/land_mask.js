'use strict';
// Land mask: a pixel is land when its centre lies inside the Natural Earth land polygons.

const topojson = require('topojson-client');
const { WIDTH, HEIGHT, NORTH, SOUTH, pixelCentre } = require('./grid');

function landRings(topology) {
  const land = topojson.feature(topology, topology.objects.land);
  const features = land.type === 'FeatureCollection' ? land.features : [land];
  const rings = [];
  for (const f of features) {
    const g = f.geometry;
    const polygons = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
    for (const polygon of polygons) for (const ring of polygon) rings.push(ring);
  }
  return rings;
}

// Makes a ring's longitudes continuous across the antimeridian (Chukotka runs from 170°E to
// 190°E). Returns null for a ring around a pole, whose longitudes wind a whole turn.
function unwrapRing(ring) {
  const out = [ring[0].slice()];
  for (let k = 1; k < ring.length; k++) {
    let lon = ring[k][0];
    const prev = out[k - 1][0];
    while (lon - prev > 180) lon -= 360;
    while (lon - prev < -180) lon += 360;
    out.push([lon, ring[k][1]]);
  }
  return Math.abs(out[out.length - 1][0] - out[0][0]) > 1e-9 ? null : out;
}

// Intervals of longitude inside one ring along a parallel (even-odd within the ring).
function ringIntervals(ring, lat) {
  const crossings = [];
  for (let k = 0; k + 1 < ring.length; k++) {
    const [lon1, lat1] = ring[k];
    const [lon2, lat2] = ring[k + 1];
    if (lat1 > lat === lat2 > lat) continue;
    crossings.push(lon1 + ((lat - lat1) * (lon2 - lon1)) / (lat2 - lat1));
  }
  crossings.sort((a, b) => a - b);
  const intervals = [];
  for (let c = 0; c + 1 < crossings.length; c += 2) intervals.push([crossings[c], crossings[c + 1]]);
  return intervals;
}

// Scanline fill: every ring toggles the pixels inside it, so holes (inland seas) stay water.
// Returns a Uint8Array of WIDTH*HEIGHT, top row first, 1 for land.
function rasterizeLand(topology) {
  const rings = [];
  for (const ring of landRings(topology)) {
    const unwrapped = unwrapRing(ring);
    if (unwrapped) {
      rings.push(unwrapped);
    } else if (Math.max(...ring.map((p) => p[1])) > SOUTH && Math.min(...ring.map((p) => p[1])) < NORTH) {
      throw new Error('a ring around a pole reaches into the map');
    }
  }
  const mask = new Uint8Array(WIDTH * HEIGHT);
  for (let y = 0; y < HEIGHT; y++) {
    const { lat } = pixelCentre(0, y);
    for (const ring of rings) {
      for (const [west, east] of ringIntervals(ring, lat)) {
        for (let x = 0; x < WIDTH; x++) {
          const { lon } = pixelCentre(x, y);
          const inside = [lon - 360, lon, lon + 360].some((l) => l > west && l < east);
          if (inside) mask[y * WIDTH + x] ^= 1;
        }
      }
    }
  }
  return mask;
}

module.exports = { rasterizeLand, unwrapRing, ringIntervals };
