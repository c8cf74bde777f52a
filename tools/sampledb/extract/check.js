'use strict';
// Validates the committed tables under sampledb/ against the table format: columns,
// widths, ASCII, numbers, sort order, counts and the cross-table consistency rules.
// Needs only Node.js and the system's zone files; exits 1 when anything fails.
// Usage: node check.js [--allow-missing]
const fs = require('fs');
const path = require('path');
const { ZONEINFO, stdOffset } = require('./zoneinfo');

const DIR = path.resolve(__dirname, '..', '..', '..', 'sampledb');
const allowMissing = process.argv.includes('--allow-missing');

const LOC_COLUMNS = ['city', 'state_code', 'state', 'country_short', 'postal_code', 'city_code',
  'country', 'location_mark', 'latitude', 'longitude', 'tz_name', 'std_offset_minutes',
  'area_code', 'country_code', 'rate_key', 'origin'];
const STATE_COLUMNS = ['code', 'name', 'group', 'origin'];
const WIDTH = { city: 31, state_code: 3, state: 31, country_short: 3, postal_code: 15, city_code: 7,
  country: 31, rate_key: 3, code: 7, name: 127, group: 7 };
const TERRITORY_CODES = [340, 670, 671, 684, 787, 939];

let failures = 0;
function fail(where, msg) {
  failures++;
  if (failures <= 200) console.log(`FAIL ${where}: ${msg}`);
}

// Reads a table: leading comments, the exact header, then rows of the right field count.
function read(file, columns) {
  const p = path.join(DIR, file);
  if (!fs.existsSync(p)) {
    if (allowMissing) { console.log(`skip ${file}: not there yet`); return null; }
    fail(file, 'missing');
    return null;
  }
  const text = fs.readFileSync(p, 'latin1');
  if (/\r/.test(text)) fail(file, 'CR characters (lines must end in LF only)');
  if (!text.endsWith('\n')) fail(file, 'last line not LF-terminated');
  const lines = text.split('\n');
  lines.pop();
  let i = 0;
  while (i < lines.length && lines[i].startsWith('#')) i++;
  if (i === 0) fail(file, 'no opening comment lines naming origin and licence');
  const comments = lines.slice(0, i).join('\n');
  if (!/licen[cs]e|Apache|CC-BY|LGPL|BSD|MIT|public domain/i.test(comments)) fail(file, 'comments name no licence');
  if (lines[i] !== columns.join('\t')) fail(`${file}:${i + 1}`, `header is not "${columns.join(' ')}"`);
  const rows = [];
  for (let n = i + 1; n < lines.length; n++) {
    const where = `${file}:${n + 1}`;
    const line = lines[n];
    if (line.startsWith('#')) continue;
    if (!/^[\x20-\x7e\t]*$/.test(line)) fail(where, 'non-ASCII or control character');
    const f = line.split('\t');
    if (f.length !== columns.length) { fail(where, `${f.length} fields, want ${columns.length}`); continue; }
    const r = { where };
    columns.forEach((c, k) => {
      r[c] = f[k];
      if (WIDTH[c] && f[k].length > WIDTH[c]) fail(where, `${c} "${f[k]}" longer than ${WIDTH[c]}`);
      if (f[k] !== f[k].trim()) fail(where, `${c} has leading or trailing blanks`);
    });
    rows.push(r);
  }
  return rows;
}

const zoneCache = {};
function checkLocation(r, table) {
  const w = r.where;
  if (!r.city) fail(w, 'empty city');
  if (!r.origin) fail(w, 'empty origin');
  if (!/^[A-Z]{2}$/.test(r.country_short)) fail(w, `country_short "${r.country_short}"`);
  if (r.rate_key !== r.country_short) fail(w, 'rate_key differs from country_short');
  if (r.location_mark.length !== 1) fail(w, `location_mark "${r.location_mark}" is not one character`);
  for (const c of ['latitude', 'longitude']) {
    if (r[c] === '') continue;
    if (!/^-?\d{1,3}\.\d{4}$/.test(r[c])) fail(w, `${c} "${r[c]}" not decimal with 4 decimals`);
    const lim = c === 'latitude' ? 90 : 180;
    if (Math.abs(Number(r[c])) > lim) fail(w, `${c} out of range`);
  }
  if ((r.latitude === '') !== (r.longitude === '')) fail(w, 'only one of latitude/longitude given');
  if (!/^-?\d+$/.test(r.std_offset_minutes)) fail(w, 'std_offset_minutes not an integer');
  if (!/^\d+$/.test(r.area_code) || !/^\d+$/.test(r.country_code)) fail(w, 'area_code/country_code not a number');
  if (!/^[A-Za-z]+(\/[A-Za-z0-9_+-]+)+$/.test(r.tz_name) || !fs.existsSync(path.join(ZONEINFO, r.tz_name))) {
    fail(w, `tz_name "${r.tz_name}" is not a zone of ${ZONEINFO}`);
  } else {
    if (!(r.tz_name in zoneCache)) {
      try { zoneCache[r.tz_name] = stdOffset(r.tz_name); } catch (e) { zoneCache[r.tz_name] = e.message; }
    }
    if (typeof zoneCache[r.tz_name] === 'string') fail(w, zoneCache[r.tz_name]);
    else if (Number(r.std_offset_minutes) !== zoneCache[r.tz_name]) {
      fail(w, `std_offset_minutes ${r.std_offset_minutes}, zone ${r.tz_name} has ${zoneCache[r.tz_name]}`);
    }
  }
  if (table === 'us' || table === 'ca') {
    const want = table === 'us' ? ['US', 'United States'] : ['CA', 'Canada'];
    if (r.country_short !== want[0] || r.country !== want[1]) fail(w, `country must be ${want.join('/')}`);
    if (!/^[2-9][0-8]\d$/.test(r.area_code)) fail(w, `area_code "${r.area_code}" not a NANP code`);
    if (r.country_code !== '1') fail(w, 'country_code must be 1');
    if (r.city_code !== '') fail(w, 'city_code must be empty');
    if (!/^[A-Z]{2}$/.test(r.state_code) || !r.state) fail(w, 'state_code/state missing');
    if (table === 'us' && !/^\d{5}$/.test(r.postal_code)) fail(w, `postal_code "${r.postal_code}" not a ZIP`);
    if (table === 'ca' && !/^([A-Z]\d[A-Z])?$/.test(r.postal_code)) fail(w, `postal_code "${r.postal_code}" not an FSA`);
    if (r.location_mark === '-') fail(w, 'location_mark unknown');
    if (r.latitude === '') fail(w, 'no coordinates');
  } else if (table === 'mx') {
    if (r.country_short !== 'MX' || r.country !== 'Mexico') fail(w, 'country must be MX/Mexico');
    if (!/^\d{2,3}$/.test(r.city_code)) fail(w, `city_code "${r.city_code}" is not a lada`);
    if (r.area_code !== '0' || r.country_code !== '52') fail(w, 'area_code must be 0 and country_code 52');
    if (!r.state_code || !r.state) fail(w, 'state missing');
  } else {
    if (['US', 'CA', 'MX'].includes(r.country_short)) fail(w, 'North American row in the international table');
    if (!/^\d{0,7}$/.test(r.city_code)) fail(w, `city_code "${r.city_code}" not digits`);
    if (r.area_code !== '0' || r.country_code === '0') fail(w, 'area_code must be 0 and country_code set');
    if (r.location_mark !== '-') fail(w, 'location_mark must be "-"');
    if (!r.country) fail(w, 'empty country');
    if ((r.state_code === '') !== (r.state === '')) fail(w, 'state_code and state must both be given or both empty');
  }
}

function sorted(rows, key, file) {
  for (let i = 1; i < rows.length; i++) {
    if (key(rows[i - 1], rows[i]) > 0) { fail(rows[i].where, `${file} not in its documented order`); return; }
  }
}
const cmp = (a, b) => (a < b ? -1 : a > b ? 1 : 0);

const tables = {
  us: read('locations_us.tsv', LOC_COLUMNS), ca: read('locations_ca.tsv', LOC_COLUMNS),
  mx: read('locations_mx.tsv', LOC_COLUMNS), intl: read('locations_intl.tsv', LOC_COLUMNS),
};
const statesNa = read('states_na.tsv', STATE_COLUMNS);
const statesOther = read('states_other.tsv', STATE_COLUMNS);

for (const [t, rows] of Object.entries(tables)) if (rows) rows.forEach((r) => checkLocation(r, t));

// North America: city and area code unique, one state and one mark per code and state,
// and the codes of a state that do not share a calling area have distinct marks.
for (const t of ['us', 'ca']) {
  const rows = tables[t];
  if (!rows) continue;
  sorted(rows, (a, b) => a.area_code - b.area_code || cmp(a.city, b.city), t);
  const seen = new Map();
  const markOf = new Map();
  for (const r of rows) {
    const k = `${r.city}|${r.area_code}`;
    if (seen.has(k)) fail(r.where, `${r.city} with area code ${r.area_code} also at ${seen.get(k).where}` +
      (seen.get(k).state_code !== r.state_code ? ' with another state' : ''));
    else seen.set(k, r);
    const mk = `${r.state_code}|${r.area_code}`;
    if (markOf.has(mk) && markOf.get(mk) !== r.location_mark) fail(r.where, `area code ${r.area_code} has two marks in ${r.state_code}`);
    markOf.set(mk, r.location_mark);
  }
  const codes = new Set(rows.map((r) => Number(r.area_code)));
  console.log(`${t}: ${rows.length} rows, ${codes.size} area codes, ${new Set(rows.map((r) => r.state_code)).size} states`);
  if (t === 'us') {
    if (codes.size < 360) fail('locations_us.tsv', `only ${codes.size} area codes`);
    for (const c of TERRITORY_CODES) if (!codes.has(c)) fail('locations_us.tsv', `territory area code ${c} missing`);
  } else if (codes.size < 40) fail('locations_ca.tsv', `only ${codes.size} area codes`);
}

if (tables.mx) {
  const rows = tables.mx;
  sorted(rows, (a, b) => cmp(a.state_code, b.state_code) || cmp(a.city, b.city) || cmp(a.city_code, b.city_code), 'mx');
  const ladas = new Set(rows.map((r) => r.city_code));
  const dup = new Set();
  for (const r of rows) {
    const k = `${r.city}|${r.state_code}|${r.city_code}`;
    if (dup.has(k)) fail(r.where, 'duplicate city, state and lada'); dup.add(k);
  }
  console.log(`mx: ${rows.length} rows, ${ladas.size} ladas, ${new Set(rows.map((r) => r.state_code)).size} states`);
  if (rows.length < 100) fail('locations_mx.tsv', 'fewer than 100 cities');
  require('./check_mexico')(rows, fail);
}

if (tables.intl) {
  const rows = tables.intl;
  sorted(rows, (a, b) => cmp(a.country, b.country) || cmp(a.city, b.city), 'intl');
  const countries = new Set(rows.map((r) => r.country_short));
  const dup = new Set();
  const perCountry = new Map();
  for (const r of rows) {
    const k = `${r.city}|${r.country_short}|${r.state_code}`;
    if (dup.has(k)) fail(r.where, 'duplicate city in its country'); dup.add(k);
    const c = perCountry.get(r.country_short);
    if (c && (c.country !== r.country || c.country_code !== r.country_code)) fail(r.where, `country name or code differs from ${c.where}`);
    if (!c) perCountry.set(r.country_short, r);
  }
  console.log(`intl: ${rows.length} rows, ${countries.size} countries`);
  if (countries.size < 150) fail('locations_intl.tsv', `only ${countries.size} countries`);
  if (rows.length < 400) fail('locations_intl.tsv', `only ${rows.length} places`);
}

function stateIndex(rows, file) {
  const idx = new Map();
  for (const r of rows) {
    if (!r.code || !r.name || !r.group || !r.origin) fail(r.where, 'empty field');
    const k = `${r.group}|${r.code}`;
    if (idx.has(k)) fail(r.where, `code ${r.code} twice in group ${r.group}`);
    idx.set(k, r);
  }
  console.log(`${file}: ${rows.length} rows`);
  return idx;
}

// Canadian rows of states_na are the ones the Canadian location table uses or the known list.
const CA_CODES = ['AB', 'BC', 'MB', 'NB', 'NL', 'NS', 'NT', 'NU', 'ON', 'PE', 'QC', 'SK', 'YT'];
function countryOfNa(r) { return r.group === '98' ? 'MX' : CA_CODES.includes(r.code) ? 'CA' : 'US'; }

if (statesNa) {
  const idx = stateIndex(statesNa, 'states_na');
  for (const r of statesNa) if (r.group !== '011' && r.group !== '98') fail(r.where, `group "${r.group}"`);
  const rank = (r) => (r.group === '98' ? 2 : /^[A-Z]{2}$/.test(r.code) && countryOfNa(r) === 'CA' ? 1 : 0);
  sorted(statesNa, (a, b) => rank(a) - rank(b) || cmp(a.code, b.code), 'states_na');
  const codes = new Set(statesNa.map((r) => r.code));
  if (codes.size !== statesNa.length) fail('states_na.tsv', 'a code appears in both groups');
  for (const [t, group] of [['us', '011'], ['ca', '011'], ['mx', '98']]) {
    for (const r of tables[t] || []) {
      const s = idx.get(`${group}|${r.state_code}`);
      if (!s) fail(r.where, `state_code ${r.state_code} not in states_na.tsv group ${group}`);
      else if (s.name !== r.state) fail(r.where, `state "${r.state}" but states_na.tsv says "${s.name}"`);
    }
  }
}

if (statesOther) {
  const idx = stateIndex(statesOther, 'states_other');
  sorted(statesOther, (a, b) => cmp(a.group, b.group) || cmp(a.code, b.code), 'states_other');
  for (const r of statesOther) if (!/^[A-Z]{2}$/.test(r.group)) fail(r.where, `group "${r.group}" is not ISO alpha-2`);
  const used = new Set();
  for (const r of tables.intl || []) {
    if (!r.state_code) continue;
    const k = `${r.country_short}|${r.state_code}`;
    used.add(k);
    const s = idx.get(k);
    if (!s) fail(r.where, `state ${r.state_code} of ${r.country_short} not in states_other.tsv`);
    else if (s.name !== r.state) fail(r.where, `state "${r.state}" but states_other.tsv says "${s.name}"`);
  }
  for (const r of statesOther) if (tables.intl && !used.has(`${r.group}|${r.code}`)) fail(r.where, 'state used by no international row');
}

require('./check_nanp').check(tables, fail);

require('./check_intl').check(tables, fail);
console.log(failures ? `check: ${failures} failure(s)` : 'check: all tables valid');
process.exit(failures ? 1 : 0);
