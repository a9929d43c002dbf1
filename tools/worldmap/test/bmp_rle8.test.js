'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { encodeRow, writeBmpRle8 } = require('../lib/bmp_rle8');
const { decodeBmpRle8 } = require('../lib/bmp_rle8_decode');

const grey = Array.from({ length: 256 }, (_, i) => [i, i, i]);

function roundTrip(pixels, width, height) {
  const decoded = decodeBmpRle8(writeBmpRle8(Uint8Array.from(pixels), width, height, grey));
  assert.ok(decoded.complete, 'every pixel written');
  assert.deepStrictEqual(Array.from(decoded.pixels), Array.from(pixels));
}

test('rows of every shape survive encoding', () => {
  const rows = [
    Array(300).fill(7), // a run longer than 255
    Array.from({ length: 300 }, (_, i) => i % 256), // no runs: absolute mode split at 255
    [1, 2, 3, 4, 5, 5, 6, 7, 8], // odd absolute stretch, then a run, then another stretch
    [9], // a lone pixel
    [1, 2], // two singles: too short for absolute mode
    [3, 3, 4, 5, 5], // a single between runs
  ];
  for (const row of rows) roundTrip(row, row.length, 1);
});

test('random maps survive encoding, rows stored bottom first', () => {
  let seed = 1;
  const rand = () => (seed = (seed * 48271) % 2147483647);
  for (let t = 0; t < 20; t++) {
    const width = 1 + (rand() % 40);
    const height = 1 + (rand() % 10);
    const pixels = [];
    while (pixels.length < width * height) {
      const value = rand() % 4;
      const run = 1 + (rand() % 6);
      for (let k = 0; k < run && pixels.length < width * height; k++) pixels.push(value);
    }
    roundTrip(pixels, width, height);
  }
});

test('absolute mode keeps its stretches at three or more and 16-bit aligned', () => {
  const out = [];
  encodeRow(Uint8Array.from([1, 2, 3]), out);
  assert.deepStrictEqual(out, [0, 3, 1, 2, 3, 0]);
  const pair = [];
  encodeRow(Uint8Array.from([1, 2]), pair);
  assert.deepStrictEqual(pair, [1, 1, 1, 2]);
});

test('headers describe a bottom-up 8-bit RLE8 bitmap with 256 colours', () => {
  const buf = writeBmpRle8(new Uint8Array(6), 3, 2, grey);
  assert.strictEqual(buf.readUInt32LE(2), buf.length);
  assert.strictEqual(buf.readUInt32LE(10), 14 + 40 + 1024);
  assert.strictEqual(buf.readInt32LE(22), 2);
  assert.strictEqual(buf.readUInt32LE(30), 1);
  assert.strictEqual(buf.readUInt32LE(34), buf.length - 1078);
  assert.deepStrictEqual([...buf.subarray(buf.length - 2)], [0, 1]);
  assert.throws(() => writeBmpRle8(new Uint8Array(6), 3, 2, grey.slice(1)));
});
