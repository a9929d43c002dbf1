'use strict';
// An 8-bit BMP with BI_RLE8 pixel data, written from a top-down array of palette indices.

const BI_RLE8 = 1;
const FILE_HEADER_SIZE = 14;
const INFO_HEADER_SIZE = 40;
const PIXELS_PER_METRE = 2835; // 72 dpi

// Encodes one row. Runs of two or more equal pixels use encoded mode (count, index); stretches of
// three or more pixels without such runs use absolute mode (0, n, n indices, padded to a 16-bit
// boundary); the rest are runs of one.
function encodeRow(row, out) {
  const n = row.length;
  let i = 0;
  const runLength = (at) => {
    let j = at + 1;
    while (j < n && j - at < 255 && row[j] === row[at]) j++;
    return j - at;
  };
  while (i < n) {
    const run = runLength(i);
    if (run >= 2) {
      out.push(run, row[i]);
      i += run;
      continue;
    }
    // Collect single pixels until the next run of two or more (or 255 pixels).
    let end = i + 1;
    while (end < n && end - i < 255 && runLength(end) < 2) end++;
    const count = end - i;
    if (count < 3) {
      for (let k = i; k < end; k++) out.push(1, row[k]);
    } else {
      out.push(0, count);
      for (let k = i; k < end; k++) out.push(row[k]);
      if (count % 2 === 1) out.push(0);
    }
    i = end;
  }
}

// pixels: Uint8Array of width*height indices, top row first. BMP rows go bottom row first; every
// row ends with end-of-line (0, 0) and the bitmap with end-of-bitmap (0, 1).
function encodeRle8(pixels, width, height) {
  const out = [];
  for (let y = height - 1; y >= 0; y--) {
    encodeRow(pixels.subarray(y * width, (y + 1) * width), out);
    out.push(0, 0);
  }
  out.push(0, 1);
  return Uint8Array.from(out);
}

// palette: 256 [r, g, b] entries.
function writeBmpRle8(pixels, width, height, palette) {
  if (palette.length !== 256) throw new Error('the colour table needs 256 entries');
  const data = encodeRle8(pixels, width, height);
  const offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 256 * 4;
  const buf = Buffer.alloc(offset + data.length);
  buf.write('BM', 0, 'latin1');
  buf.writeUInt32LE(buf.length, 2);
  buf.writeUInt32LE(0, 6);
  buf.writeUInt32LE(offset, 10);
  let p = FILE_HEADER_SIZE;
  buf.writeUInt32LE(INFO_HEADER_SIZE, p);
  buf.writeInt32LE(width, p + 4);
  buf.writeInt32LE(height, p + 8); // positive: bottom-up
  buf.writeUInt16LE(1, p + 12);
  buf.writeUInt16LE(8, p + 14);
  buf.writeUInt32LE(BI_RLE8, p + 16);
  buf.writeUInt32LE(data.length, p + 20);
  buf.writeInt32LE(PIXELS_PER_METRE, p + 24);
  buf.writeInt32LE(PIXELS_PER_METRE, p + 28);
  buf.writeUInt32LE(256, p + 32);
  buf.writeUInt32LE(0, p + 36);
  p += INFO_HEADER_SIZE;
  for (const [r, g, b] of palette) {
    buf[p++] = b;
    buf[p++] = g;
    buf[p++] = r;
    buf[p++] = 0;
  }
  Buffer.from(data.buffer, data.byteOffset, data.length).copy(buf, offset);
  return buf;
}

module.exports = { encodeRow, encodeRle8, writeBmpRle8 };
