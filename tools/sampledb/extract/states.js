'use strict';
// Writes sampledb/states_na.tsv: US states, DC and territories and the Canadian provinces
// and territories (group "011"), then the Mexican states (group "98"), from iso-codes.
const fs = require('fs');
const { ascii, writeTsv, STATE_COLUMNS, isoCodes } = require('./common');

// Display names chosen over the ISO list's inverted form.
const RENAMED = { 'US-VI': 'U.S. Virgin Islands' };

function isoVersion() {
  const m = fs.readFileSync('/usr/share/doc/iso-codes/changelog.Debian.gz');
  return require('zlib').gunzipSync(m).toString().match(/^iso-codes \(([^)]+)\)/)[1];
}

function naStates() {
  const { subdivisions } = isoCodes();
  const rows = [];
  for (const [country, group] of [['US', '011'], ['CA', '011'], ['MX', '98']]) {
    const subs = subdivisions.filter((s) => s.code.startsWith(country + '-'))
      .sort((a, b) => (a.code < b.code ? -1 : a.code > b.code ? 1 : 0));
    for (const s of subs) {
      const code = s.code.slice(country.length + 1);
      const renamed = RENAMED[s.code];
      rows.push({ code, name: renamed || ascii(s.name), group, origin: renamed ? 'curated' : 'iso-codes',
        country });
    }
  }
  return rows;
}

if (require.main === module) {
  writeTsv('states_na.tsv', [
    `Origin: Debian package iso-codes ${isoVersion()} (ISO 3166-2 subdivisions of US, CA, MX), LGPL-2.1-or-later.`,
    'Names transliterated to ASCII. Rows: United States (state, DC and territory postal codes),',
    'then Canada (province and territory codes), both group 011; then Mexico (ISO 3166-2 state',
    'codes), group 98; each country sorted by code.',
    'origin: iso-codes = taken as is; curated = display name chosen by hand (US-VI).',
  ], STATE_COLUMNS, naStates());
}

module.exports = { naStates, isoVersion };
