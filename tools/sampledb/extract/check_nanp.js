'use strict';
// Coverage of the US and Canadian location tables against the reference lists kept in
// reference/: every city of 100,000 or more is found by name and state or province, and
// every area code of the area code list has its principal city among its places.
// Needs no sources.
const { readReference: readList } = require('./reference');

function readReference() {
  return readList('us_ca_cities_100k.tsv', ['city', 'state_code', 'population', 'source']);
}

function readCodes() {
  return readList('nanp_area_codes.tsv', ['area_code', 'country_short', 'states', 'principal', 'kind']);
}

// How a user's spelling and the table's meet: case, "St."/"Saint", hyphens and periods.
function cityMatchKey(city, st) {
  const k = city.toLowerCase().replace(/\bste?\.? /g, (x) => (x.startsWith('ste') ? 'sainte ' : 'saint '))
    .replace(/\bft\.? /g, 'fort ').replace(/\bmt\.? /g, 'mount ').replace(/[-.']/g, ' ')
    .replace(/\s+/g, ' ').trim();
  return `${k}|${st}`;
}

// tables: { us, ca } rows of the location tables; fail(where, message) records a failure.
function check(tables, fail) {
  if (!tables.us || !tables.ca) return;
  const rows = tables.us.concat(tables.ca);
  const byCity = new Map();
  for (const r of rows) {
    const k = cityMatchKey(r.city, r.state_code);
    if (!byCity.has(k)) byCity.set(k, new Set());
    byCity.get(k).add(r.area_code);
  }
  const refs = readReference();
  let found = 0;
  for (const r of refs) {
    if (byCity.has(cityMatchKey(r.city, r.state_code))) found++;
    else fail('us_ca_cities_100k.tsv', `${r.city}, ${r.state_code} (${r.population}) is in no location row`);
  }
  console.log(`nanp: ${found} of ${refs.length} reference cities of 100,000 or more found by name and state`);

  const codes = readCodes();
  const placesOf = new Map();
  for (const r of rows) placesOf.set(r.area_code, (placesOf.get(r.area_code) || 0) + 1);
  const listed = new Set();
  let served = 0;
  for (const c of codes) {
    listed.add(c.area_code);
    const n = placesOf.get(c.area_code) || 0;
    if (c.kind.startsWith('left out')) {
      if (n) fail('nanp_area_codes.tsv', `area code ${c.area_code} is listed as left out but has ${n} places`);
      continue;
    }
    served++;
    if (!n) fail('nanp_area_codes.tsv', `area code ${c.area_code} (${c.states}) has no place`);
    if (!rows.some((r) => r.area_code === c.area_code && `${r.city}, ${r.state_code}` === c.principal)) {
      fail('nanp_area_codes.tsv', `area code ${c.area_code}: its principal city ${c.principal || '(none)'} is not among its places`);
    }
    const wrong = rows.find((r) => r.area_code === c.area_code && r.country_short !== c.country_short);
    if (wrong) fail(wrong.where, `area code ${c.area_code} belongs to ${c.country_short}`);
  }
  for (const ac of placesOf.keys()) if (!listed.has(ac)) fail('nanp_area_codes.tsv', `area code ${ac} of the tables is not listed`);
  const perCountry = (cc) => new Set(rows.filter((r) => r.country_short === cc).map((r) => r.area_code)).size;
  const listedIn = (cc) => codes.filter((c) => c.country_short === cc && !c.kind.startsWith('left out')).length;
  for (const cc of ['US', 'CA']) {
    if (perCountry(cc) !== listedIn(cc)) fail('nanp_area_codes.tsv', `${cc}: ${perCountry(cc)} area codes in the table, ${listedIn(cc)} listed`);
  }
  console.log(`nanp: ${served} of ${codes.length} listed area codes have places (US ${perCountry('US')}, CA ${perCountry('CA')}; ` +
    `${codes.length - served} left out on purpose)`);
}

module.exports = { check, readReference, readCodes, cityMatchKey };
