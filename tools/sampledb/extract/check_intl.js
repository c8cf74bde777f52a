'use strict';
// Coverage of the international places against the reference lists in reference/: every
// geographic calling code and region has a location, and every large city of China and India
// is a place of its country with a city code. Reads only the committed tables.
const { readReference } = require('./reference');

function check(tables, fail) {
  if (!tables.us || !tables.ca || !tables.mx || !tables.intl) return;
  const places = [tables.us, tables.ca, tables.mx, tables.intl].flat();
  const codes = new Set(places.map((r) => r.country_code));
  // US territories are states of the US table, every other region a country_short.
  const regions = new Set(places.flatMap((r) => (r.country_short === 'US' ? ['US', r.state_code] : [r.country_short])));
  const ref = readReference('calling_codes.tsv', ['calling_code', 'region', 'country']);
  for (const r of ref) {
    if (!codes.has(r.calling_code)) fail('calling_codes.tsv', `calling code ${r.calling_code} (${r.country}) has no location`);
    if (!regions.has(r.region)) fail('calling_codes.tsv', `region ${r.region} (${r.country}, +${r.calling_code}) has no location`);
  }
  const squash = (s) => s.toLowerCase().replace(/[^a-z0-9]/g, '');
  const intl = places.filter((r) => r.area_code === '0' && r.city_code !== '');
  const cities = readReference('cn_in_cities_3m.tsv', ['country', 'city', 'population', 'geonames_id', 'added_because']);
  let found = 0;
  for (const c of cities) {
    if (intl.some((r) => r.country_short === c.country && squash(r.city) === squash(c.city))) found++;
    else fail('cn_in_cities_3m.tsv', `city ${c.city} (${c.country}, ${c.population}) is not a place with a city code`);
  }
  console.log(`intl coverage: ${new Set(ref.map((r) => r.calling_code)).size} calling codes, ${ref.length} regions, ` +
    `${found} of ${cities.length} large Chinese and Indian cities`);
}

module.exports = { check };
