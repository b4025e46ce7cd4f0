// The sign-in's rows of tests/data/lab_evaluation.json against the
// WebAssembly module, as tests/lab runs them natively: the missing line,
// whether OK takes the entries, the name as kept and the number as filed.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { core } = require('./core');

const rows = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'data', 'lab_evaluation.json'), 'utf8')).signin;

test('lab_evaluation.json: the sign-in rows', async () => {
  const kora = await core;
  for (const row of rows) {
    const where = JSON.stringify(row);
    const s = new kora.SignIn(row.stellen ?? 0);
    try {
      s.setName(row.name);
      s.setMatrikel(row.matrikel);
      const missing = s.missing();
      assert.deepEqual(missing ? [missing.key, ...missing.values] : [], row.missing, where);
      assert.equal(s.okEnabled(), row.missing.length === 0, where);
      assert.equal(s.name(), row.kept ?? s.name(), where);
      if ('normalized' in row) assert.equal(s.normalized(), row.normalized, where);
      assert.match(s.expected().key, row.stellen ? /%1/ : /Bindestriche/, where);
    } finally {
      s.delete();
    }
  }
});

// The page builds the dialog from the table: a box for each entry, each
// named for a screen reader, with the desktop's lengths.
test('the sign-in design names its boxes and buttons', async () => {
  const kora = await core;
  const d = kora.signInDesign();
  const names = d.controls.map((c) => c.name);
  assert.deepEqual(names.filter((n) => n.startsWith('Text') || n.startsWith('Command')),
    ['TextName', 'TextMatrikel', 'CommandOK', 'CommandAbbrechen']);
  for (const c of d.controls.filter((c) => c.kind === 'textbox')) assert.ok(c.accessibleName && d.lengths[c.name] > 0, c.name);
  assert.equal(d.context, 'signin::Formanmeldung');
});
