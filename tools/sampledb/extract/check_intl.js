'use strict';
// Coverage of the international places against the reference lists in reference/: every
// geographic calling code and region has a location, and every large city of China and India
// is a place of its country with a city code. Reads only the committed tables.
const fs = require('fs');
const path = require('path');

const REF = path.join(__dirname, 'reference');

function rowsOf(file) {
  const lines = fs.readFileSync(file, 'latin1').split('\n').filter((l) => l && !l.startsWith('#'));
  const header = lines.shift().split('\t');
  return lines.map((l) => Object.fromEntries(l.split('\t').map((v, i) => [header[i], v])));
}

// Returns the number of failures after printing each one.
function checkIntl(dir) {
  const missing = [];
  const places = ['us', 'ca', 'mx', 'intl'].flatMap((t) => rowsOf(path.join(dir, `locations_${t}.tsv`)));
  const codes = new Set(places.map((r) => r.country_code));
  // US territories are states of the US table, every other region a country_short.
  const regions = new Set(places.flatMap((r) => (r.country_short === 'US' ? ['US', r.state_code] : [r.country_short])));
  const ref = rowsOf(path.join(REF, 'calling_codes.tsv'));
  for (const r of ref) {
    if (!codes.has(r.calling_code)) missing.push(`calling code ${r.calling_code} (${r.country}) has no location`);
    if (!regions.has(r.region)) missing.push(`region ${r.region} (${r.country}, +${r.calling_code}) has no location`);
  }
  const squash = (s) => s.toLowerCase().replace(/[^a-z0-9]/g, '');
  const intl = places.filter((r) => r.area_code === '0' && r.city_code !== '');
  const cities = rowsOf(path.join(REF, 'cn_in_cities_3m.tsv'));
  let found = 0;
  for (const c of cities) {
    if (intl.some((r) => r.country_short === c.country && squash(r.city) === squash(c.city))) found++;
    else missing.push(`city ${c.city} (${c.country}, ${c.population}) is not a place with a city code`);
  }
  for (const m of missing) console.log(`FAIL reference: ${m}`);
  console.log(`intl coverage: ${new Set(ref.map((r) => r.calling_code)).size} calling codes, ${ref.length} regions, ` +
    `${found} of ${cities.length} large Chinese and Indian cities`);
  return missing.length;
}

module.exports = { checkIntl };
