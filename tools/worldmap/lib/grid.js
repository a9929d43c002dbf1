'use strict';
// The map's pixel grid: equirectangular, 180°W..180°E across, 84°N (top edge) to 60°S (bottom edge).

const WIDTH = 356;
const HEIGHT = 184;
const NORTH = 84;
const SOUTH = -60;

// Longitude and latitude of a pixel's centre.
function pixelCentre(x, y) {
  return {
    lon: -180 + ((x + 0.5) * 360) / WIDTH,
    lat: NORTH - ((y + 0.5) * (NORTH - SOUTH)) / HEIGHT,
  };
}

// The pixel holding a point, or null when the point lies outside the crop.
function pixelAt(lat, lon) {
  const x = Math.floor(((lon + 180) * WIDTH) / 360);
  const y = Math.floor(((NORTH - lat) * HEIGHT) / (NORTH - SOUTH));
  if (x < 0 || x >= WIDTH || y < 0 || y >= HEIGHT) return null;
  return { x, y };
}

module.exports = { WIDTH, HEIGHT, NORTH, SOUTH, pixelCentre, pixelAt };
