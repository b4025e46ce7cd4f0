// The rows of a test table under tests/data, read as the native tests read
// them (tests/tables/tables.h): '#' starts a remark, the first other line
// names the columns, \t \n \r \\ stand for themselves within a field, a
// number ending in "f" is single precision, true and false are flags.
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const data = path.join(__dirname, '..', 'data');

function unescaped(field) {
  return field.replace(/\\(.)/g, (_, c) => (c === 't' ? '\t' : c === 'n' ? '\n' : c === 'r' ? '\r' : c));
}

class Row {
  constructor(where, fields) {
    this.where = where;
    this.fields = fields;
  }
  text(column) {
    if (!(column in this.fields)) throw new Error(`${this.where}: no column ${column}`);
    return this.fields[column];
  }
  number(column) {
    const t = this.text(column);
    return t.endsWith('f') ? Math.fround(Number(t.slice(0, -1))) : Number(t);
  }
  integer(column) {
    return Math.trunc(this.number(column));
  }
  flag(column) {
    return this.text(column) === 'true';
  }
}

// Every row of tests/data/<name>; a table without rows is an error, not a pass.
function read(name) {
  const lines = fs.readFileSync(path.join(data, name), 'utf8').split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  let columns = null;
  const rows = [];
  lines.forEach((line, i) => {
    if (line.startsWith('#')) return;
    const values = line.split('\t').map(unescaped);
    if (!columns) {
      columns = values;
      return;
    }
    if (values.length !== columns.length)
      throw new Error(`${name}:${i + 1}: ${values.length} fields for ${columns.length} columns`);
    rows.push(new Row(`${name}:${i + 1}`, Object.fromEntries(columns.map((c, k) => [c, values[k]]))));
  });
  if (rows.length === 0) throw new Error(`${name}: no rows`);
  return rows;
}

module.exports = { read };
