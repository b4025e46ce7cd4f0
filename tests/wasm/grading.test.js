// The class overview from the records of tests/data/grading_overview.json
// against the WebAssembly module, row for row as tests/grading runs them
// natively: the terminal's table, the grade file and the overview page
// must be the desktop's bytes.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { core } = require('./core');

const data = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'data', 'grading_overview.json'), 'utf8'));
const german = (context, key) => key;
const bytes = (text) => new TextEncoder().encode(text);

for (const c of data.cases)
  test(`overview: ${c.what}`, async () => {
    const kora = await core;
    const records = c.files.map((name) => ({ name, bytes: bytes(data.records[name]) }));
    const o = kora.grade(records, null, c.counting, german, c.source, c.created);
    assert.equal(o.status, c.status);
    assert.equal(o.table, c.table);
    assert.deepEqual(Buffer.from(o.csv), Buffer.from(c.csv, 'utf8'));
    if (c.html) assert.equal(Buffer.from(o.html).toString('utf8'), c.html);
    // The page's rows: one a student, as in the grade file.
    assert.equal(o.rows.length, c.csv.trim().split('\r\n').length - 1);
  });

test('a file that is no zip is refused as damaged, with no record', async () => {
  const kora = await core;
  const refused = kora.zipDirectory(bytes('Punkte bitte bis Freitag'), german);
  assert.match(refused.error, /^die ZIP-Datei ist beschädigt/);
  assert.deepEqual(refused.records, []);
});
