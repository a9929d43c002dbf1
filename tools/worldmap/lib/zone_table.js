'use strict';
// resources/windows_zones.tsv: '#' banner lines, then tab-separated rows
// key, display, std, dlt, IANA id, map id 1, map id 2. The map ids are filled in place.

const BANNER_PREFIX = '# Map ids ';

function splitLines(text) {
  const lines = text.split('\n');
  const trailingNewline = lines.length > 0 && lines[lines.length - 1] === '';
  if (trailingNewline) lines.pop();
  return { lines, trailingNewline };
}

function readZoneTable(text) {
  const rows = [];
  for (const line of splitLines(text).lines) {
    if (line.startsWith('#') || !line.trim()) continue;
    const cols = line.replace(/\r$/, '').split('\t');
    if (cols.length >= 7) rows.push({ key: cols[0], iana: cols[4] });
  }
  return rows;
}

// Replaces the last two columns of every row with mapIds.get(key) ([id1, id2], -1 for none) and
// puts bannerText (one line, after the other banner lines) in place of an earlier one of ours.
// Every other byte is kept.
function fillMapIds(text, mapIds, bannerText) {
  const { lines, trailingNewline } = splitLines(text);
  const eol = lines.length > 0 && lines[0].endsWith('\r') ? '\r' : '';
  const out = [];
  let bannerDone = false;
  const addBanner = () => {
    if (!bannerDone) out.push(BANNER_PREFIX + bannerText + eol);
    bannerDone = true;
  };
  for (const line of lines) {
    if (line.startsWith(BANNER_PREFIX)) continue;
    if (line.startsWith('#')) {
      out.push(line);
      continue;
    }
    addBanner();
    const cr = line.endsWith('\r') ? '\r' : '';
    const cols = (cr ? line.slice(0, -1) : line).split('\t');
    if (cols.length < 7 || !line.trim()) {
      out.push(line);
      continue;
    }
    const [id1, id2] = mapIds.get(cols[0]) || [-1, -1];
    cols[cols.length - 2] = String(id1);
    cols[cols.length - 1] = String(id2);
    out.push(cols.join('\t') + cr);
  }
  addBanner();
  return out.join('\n') + (trailingNewline ? '\n' : '');
}

module.exports = { readZoneTable, fillMapIds, BANNER_PREFIX };
