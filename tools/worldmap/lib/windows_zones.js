'use strict';
// IANA id -> Windows zone, from CLDR windowsZones.xml: every id in a mapZone's type attribute (any
// territory) maps to that mapZone's "other" name. Aliases come from the tz database's links.

const fs = require('fs');

function parseWindowsZones(xmlText) {
  const toWindows = new Map(); // IANA id -> Windows key name
  const golden = new Map(); // Windows key name -> IANA id of territory 001
  const idsOf = new Map(); // Windows key name -> IANA ids in file order
  const territoriesOf = new Map(); // Windows key name -> territory codes
  const re = /<mapZone\s+other="([^"]+)"\s+territory="([^"]+)"\s+type="([^"]+)"\s*\/>/g;
  let m;
  while ((m = re.exec(xmlText)) !== null) {
    const [, other, territory, types] = m;
    if (!idsOf.has(other)) idsOf.set(other, []);
    if (!territoriesOf.has(other)) territoriesOf.set(other, new Set());
    territoriesOf.get(other).add(territory);
    for (const id of types.trim().split(/\s+/)) {
      if (territory === '001') golden.set(other, id);
      if (!toWindows.has(id)) toWindows.set(id, other);
      if (!idsOf.get(other).includes(id)) idsOf.get(other).push(id);
    }
  }
  const version = /<mapTimezones\s+otherVersion="([^"]*)"\s+typeVersion="([^"]*)"/.exec(xmlText);
  return {
    toWindows,
    golden,
    idsOf,
    territoriesOf,
    otherVersion: version ? version[1] : '?',
    typeVersion: version ? version[2] : '?',
  };
}

// Links of tzdata.zi ("L target alias"): alias -> target.
function parseTzLinks(ziText) {
  const links = new Map();
  for (const line of ziText.split('\n')) {
    const parts = line.trim().split(/\s+/);
    if (parts[0] === 'L' && parts.length >= 3) links.set(parts[2], parts[1]);
  }
  return links;
}

function tzdataVersion(ziText) {
  const m = /^#\s*version\s+(\S+)/m.exec(ziText);
  return m ? m[1] : '?';
}

// Resolves an IANA id to a Windows zone directly or through a name that shares its link target.
function makeResolver(cldr, links) {
  const canonical = (id) => links.get(id) || id;
  const byCanonical = new Map();
  for (const [id, win] of cldr.toWindows) {
    const c = canonical(id);
    if (!byCanonical.has(c)) byCanonical.set(c, win);
  }
  return (id) => cldr.toWindows.get(id) || byCanonical.get(canonical(id)) || null;
}

function loadWindowsZones(xmlPath, ziPath) {
  const cldr = parseWindowsZones(fs.readFileSync(xmlPath, 'utf8'));
  const zi = fs.readFileSync(ziPath, 'utf8');
  const links = parseTzLinks(zi);
  return { cldr, links, resolve: makeResolver(cldr, links), tzdataVersion: tzdataVersion(zi) };
}

module.exports = { parseWindowsZones, parseTzLinks, makeResolver, loadWindowsZones };
