'use strict';
// Standard offsets of IANA zones, read from the system's zone files rather than from Node's
// own ICU copy of the time zone database, which is years old in some distributions' Node.js
// (Debian 12's lacks America/Ciudad_Juarez and has Chihuahua's old offset).
const fs = require('fs');
const path = require('path');

const ZONEINFO = '/usr/share/zoneinfo';

// The POSIX TZ string that a version 2+ zone file carries after its binary data, between its
// last two newlines; it states the rule in force after the file's last transition.
function footer(zone) {
  const file = path.join(ZONEINFO, zone);
  const data = fs.readFileSync(file);
  if (data.toString('latin1', 0, 4) !== 'TZif' || data[4] < 0x32 || data[data.length - 1] !== 0x0a) {
    throw new Error(`${file} is not a version 2 or later zone file`);
  }
  const start = data.lastIndexOf(0x0a, data.length - 2);
  return data.toString('latin1', start + 1, data.length - 1);
}

// A POSIX offset ("5", "-5:30", "+3") is hours west of UTC; returns minutes east.
function minutesEast(text) {
  const m = text.match(/^([+-]?)(\d+)(?::(\d\d))?/);
  return (m[1] === '-' ? 1 : -1) * (Number(m[2]) * 60 + Number(m[3] || 0));
}

const NAME = '(?:<[^>]+>|[A-Za-z]+)';
const OFFSET = '([+-]?\\d{1,3}(?::\\d\\d){0,2})';
const RULE = new RegExp(`^${NAME}${OFFSET}(${NAME}${OFFSET}?(?:,.*)?)?$`);

// Standard (non-DST) offset in minutes east of UTC: the smaller of the zone's two offsets
// today, so that a zone whose "standard" time is its summer time (Europe/Dublin) gets its
// winter offset.
function stdOffset(zone) {
  const tz = footer(zone);
  const m = tz.match(RULE);
  if (!m) throw new Error(`cannot read the rule "${tz}" of zone ${zone}`);
  const std = minutesEast(m[1]);
  if (m[2] === undefined) return std;
  // Daylight time without its own offset is one hour ahead of standard time.
  return Math.min(std, m[3] === undefined ? std + 60 : minutesEast(m[3]));
}

module.exports = { ZONEINFO, stdOffset };
