'use strict';
// Offsets east of UTC in minutes, from the tz data that Node's ICU carries.

const formatters = new Map();

function offsetAt(ianaId, date) {
  if (!formatters.has(ianaId)) {
    formatters.set(
      ianaId,
      new Intl.DateTimeFormat('en-US', { timeZone: ianaId, timeZoneName: 'longOffset' }),
    );
  }
  const part = formatters.get(ianaId).formatToParts(date).find((p) => p.type === 'timeZoneName');
  const m = /^GMT(?:([+-])(\d{1,2})(?::(\d{2}))?)?$/.exec(part.value);
  if (!m) throw new Error(`unexpected offset text ${part.value} for ${ianaId}`);
  if (!m[1]) return 0;
  const minutes = Number(m[2]) * 60 + Number(m[3] || 0);
  return m[1] === '-' ? -minutes : minutes;
}

// Standard offset of the reference year: the smaller of mid-January and mid-July, which is the
// winter offset on both hemispheres (also for zones whose tz "standard" is the summer one).
function standardOffset(ianaId, year) {
  const jan = offsetAt(ianaId, new Date(Date.UTC(year, 0, 15, 12)));
  const jul = offsetAt(ianaId, new Date(Date.UTC(year, 6, 15, 12)));
  return Math.min(jan, jul);
}

// Offsets on the 1st and 15th of every month: two zones with equal signatures keep the same time.
function offsetSignature(ianaId, year) {
  const parts = [];
  for (let month = 0; month < 12; month++) {
    for (const day of [1, 15]) parts.push(offsetAt(ianaId, new Date(Date.UTC(year, month, day, 12))));
  }
  return parts.join(',');
}

module.exports = { offsetAt, standardOffset, offsetSignature };
