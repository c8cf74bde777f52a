'use strict';
// Reads a reference list of reference/: leading '#' comment lines, the exact header, then rows
// of the header's field count, each as an object keyed by column. A list that breaks the
// format stops the check with the file named.
const fs = require('fs');
const path = require('path');

const REF = path.join(__dirname, 'reference');

function readReference(name, columns) {
  const file = path.join(REF, name);
  const lines = fs.readFileSync(file, 'latin1').split('\n').filter((l) => l && !l.startsWith('#'));
  if (lines[0] !== columns.join('\t')) throw new Error(`${file}: header is not "${columns.join(' ')}"`);
  return lines.slice(1).map((l) => {
    const f = l.split('\t');
    if (f.length !== columns.length) throw new Error(`${file}: "${l}" has ${f.length} fields, want ${columns.length}`);
    return Object.fromEntries(columns.map((c, i) => [c, f[i]]));
  });
}

module.exports = { readReference };
