#!/usr/bin/env node
'use strict';
// Writes a PPM of the map with one random colour per area number, for looking at it:
//   node preview.js ../../resources/worldmap.bmp /tmp/map.ppm && convert /tmp/map.ppm -scale 300% /tmp/map.png

const fs = require('fs');
const { decodeBmpRle8 } = require('./lib/bmp_rle8_decode');

const [bmpPath, ppmPath] = process.argv.slice(2);
if (!bmpPath || !ppmPath) throw new Error('usage: node preview.js MAP.bmp OUT.ppm');
const { width, height, pixels } = decodeBmpRle8(fs.readFileSync(bmpPath));
// Ocean bands in alternating blues; land areas in scattered bright colours.
const colours = Array.from({ length: 256 }, (_, a) =>
  a < 25
    ? [20, 40 + a * 3, 110 + (a % 2) * 40]
    : [64 + ((a * 97) % 192), 64 + ((a * 57) % 192), 64 + ((a * 151) % 192)],
);
const header = Buffer.from(`P6\n${width} ${height}\n255\n`, 'latin1');
const body = Buffer.alloc(width * height * 3);
pixels.forEach((a, i) => body.set(colours[a], i * 3));
fs.writeFileSync(ppmPath, Buffer.concat([header, body]));
