'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { readZoneTable, fillMapIds } = require('../lib/zone_table');

const table = [
  '# generated',
  '# columns',
  'A Standard Time\tA, place\tA Standard Time\tA Daylight Time\tEurope/A\t-1\t-1',
  'B\tB display\tB\tB\tAsia/B\t3\t4',
  '',
].join('\n');

test('fills the two map id columns and keeps everything else', () => {
  const ids = new Map([['A Standard Time', [30, 13]]]);
  const out = fillMapIds(table, ids, 'filled by test.');
  assert.strictEqual(
    out,
    [
      '# generated',
      '# columns',
      '# Map ids filled by test.',
      'A Standard Time\tA, place\tA Standard Time\tA Daylight Time\tEurope/A\t30\t13',
      'B\tB display\tB\tB\tAsia/B\t-1\t-1',
      '',
    ].join('\n'),
  );
});

test('a second run replaces its banner line instead of adding one', () => {
  const ids = new Map([['B', [5, 6]]]);
  const once = fillMapIds(table, ids, 'first.');
  const twice = fillMapIds(once, ids, 'second.');
  assert.strictEqual(twice, once.replace('first.', 'second.'));
});

test('CRLF line ends and a missing final newline are kept', () => {
  const crlf = '# b\r\nB\tB\tB\tB\tAsia/B\t-1\t-1\r\nC\tC\tC\tC\tAsia/C\t-1\t-1';
  const out = fillMapIds(crlf, new Map([['B', [1, 2]]]), 'x');
  assert.strictEqual(out, '# b\r\n# Map ids x\r\nB\tB\tB\tB\tAsia/B\t1\t2\r\nC\tC\tC\tC\tAsia/C\t-1\t-1');
});

test('reads the key and IANA id of each row, skipping banners and short lines', () => {
  const rows = readZoneTable(table + 'short\tline\n');
  assert.deepStrictEqual(rows, [
    { key: 'A Standard Time', iana: 'Europe/A' },
    { key: 'B', iana: 'Asia/B' },
  ]);
});
