'use strict';
// Coverage of the Mexican table against reference/mx_ladas.tsv (the ladas in service and their
// principal towns): every lada with a settled town is present with that town, a lada with none
// is absent rather than stood in for, every place has coordinates and lies near its lada's
// principal town, and a state capital appears only under a lada it is the principal town of.
const { STATES } = require('./mexico_curated');
const { readReference } = require('./reference');

const MAX_KM_FROM_PRINCIPAL = 100;

function distanceKm(lat1, lon1, lat2, lon2) {
  const k = Math.PI / 180;
  const a = Math.sin(((lat2 - lat1) * k) / 2) ** 2 +
    Math.cos(lat1 * k) * Math.cos(lat2 * k) * Math.sin(((lon2 - lon1) * k) / 2) ** 2;
  return 12742 * Math.asin(Math.sqrt(a));
}

function readLadas() {
  return readReference('mx_ladas.tsv', ['lada', 'state_code', 'principal_town', 'source', 'note'])
    .map((r) => ({ lada: r.lada, state: r.state_code, town: r.principal_town }));
}

module.exports = function checkMexico(rows, fail) {
  const reference = readLadas();
  const byLada = new Map();
  for (const r of rows) {
    if (!byLada.has(r.city_code)) byLada.set(r.city_code, []);
    byLada.get(r.city_code).push(r);
  }
  const refOf = new Map(reference.map((x) => [x.lada, x]));
  const capitals = new Map(Object.entries(STATES).map(([code, s]) => [code, s[0]]));
  let present = 0;
  for (const x of reference) {
    const places = byLada.get(x.lada) || [];
    if (!x.town) {
      if (places.length) fail(places[0].where, `lada ${x.lada} has no settled town in the reference but lists ${places.map((p) => p.city).join(', ')}`);
      continue;
    }
    const principal = places.find((p) => p.city === x.town && p.state_code === x.state);
    if (!principal) { fail('locations_mx.tsv', `lada ${x.lada}: principal town ${x.town} (${x.state}) missing`); continue; }
    present++;
    for (const p of places) {
      if (p.latitude === '' || principal.latitude === '') continue;
      const km = distanceKm(+p.latitude, +p.longitude, +principal.latitude, +principal.longitude);
      if (km > MAX_KM_FROM_PRINCIPAL) fail(p.where, `${p.city} lies ${Math.round(km)} km from ${x.town}, the principal town of lada ${x.lada}`);
    }
  }
  for (const r of rows) {
    const x = refOf.get(r.city_code);
    if (!x) fail(r.where, `lada ${r.city_code} is not in service (not in the reference list)`);
    if (r.latitude === '' || r.longitude === '') fail(r.where, `${r.city} (lada ${r.city_code}) has no coordinates`);
    if (r.origin === 'state-capital') fail(r.where, `${r.city} stands in for lada ${r.city_code} as its state's capital`);
    if (x && capitals.get(r.state_code) === r.city && x.town !== r.city) fail(r.where, `state capital ${r.city} listed under lada ${r.city_code}, whose principal town is ${x.town || 'not settled'}`);
  }
  const withTown = reference.filter((x) => x.town).length;
  console.log(`mx reference: ${reference.length} ladas in service, ${present} of ${withTown} with a settled town present, ${reference.length - withTown} left out`);
};
