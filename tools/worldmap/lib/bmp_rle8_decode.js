'use strict';
// Reads back an 8-bit RLE8 BMP (as written by bmp_rle8.js) into top-down palette indices.
// Used by the tests and the preview; throws on anything it does not understand.

function decodeBmpRle8(buf) {
  if (buf.toString('latin1', 0, 2) !== 'BM') throw new Error('not a BMP');
  const offset = buf.readUInt32LE(10);
  const width = buf.readInt32LE(18);
  const height = buf.readInt32LE(22);
  if (buf.readUInt16LE(28) !== 8 || buf.readUInt32LE(30) !== 1) throw new Error('not 8-bit RLE8');
  if (width <= 0 || height <= 0) throw new Error('unsupported size');
  const pixels = new Uint8Array(width * height);
  const written = new Uint8Array(width * height);
  let x = 0;
  let row = 0; // counted from the bottom
  let p = offset;
  const put = (index) => {
    if (x >= width || row >= height) throw new Error(`pixel outside the bitmap at ${x},${row}`);
    const i = (height - 1 - row) * width + x;
    pixels[i] = index;
    written[i] = 1;
    x++;
  };
  for (;;) {
    if (p + 1 >= buf.length) throw new Error('data ends without end-of-bitmap');
    const a = buf[p++];
    const b = buf[p++];
    if (a > 0) {
      for (let k = 0; k < a; k++) put(b);
    } else if (b === 0) {
      row++;
      x = 0;
    } else if (b === 1) {
      break;
    } else if (b === 2) {
      throw new Error('delta escapes are not expected');
    } else {
      for (let k = 0; k < b; k++) put(buf[p++]);
      if (b % 2 === 1) p++;
    }
  }
  const complete = written.every((w) => w === 1);
  return { width, height, pixels, complete };
}

module.exports = { decodeBmpRle8 };
