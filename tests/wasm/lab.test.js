// The bench's action scripts (tests/data/lab_scripts.json) against the
// WebAssembly module, row for row as tests/lab runs them natively: after
// each step the whole view is the one before with the step's changes.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { core } = require('./core');

const scripts = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'data', 'lab_scripts.json'), 'utf8')).scripts;

// A form as the data file writes it: [key, value, ...].
const formOf = (f) => (f ? [f.key, ...f.values] : null);

function expected(before, changes) {
  const view = structuredClone(before);
  if ('window' in changes)
    view.enabled = changes.window;
  for (const [name, fields] of Object.entries(changes.controls || {})) {
    const c = view.controls[name];
    if ('text' in fields) {
      c.text = fields.text;
      c.words = fields.words || false;
    }
    for (const key of ['value', 'enabled', 'visible', 'colour', 'tip'])
      if (key in fields)
        c[key] = fields[key];
  }
  return view;
}

function shown(bench) {
  const v = bench.view();
  for (const c of Object.values(v.controls))
    c.tip = formOf(c.tip);
  return { enabled: v.enabled, controls: v.controls };
}

for (const script of scripts)
  test(`lab_scripts.json: ${script.name}`, async () => {
    const kora = await core;
    let bench = null;
    let before = null;
    try {
      script.steps.forEach((step, n) => {
        const where = `step ${n + 1}: ${step.do} ${step.control || ''} ${step.value ?? ''}`;
        const changes = step.expect || {};
        if (step.do === 'load') {
          // The module's bench is loaded when it is made: the load step's
          // own changes are checked, everything after it against the whole view.
          bench = new kora.Bench(script.config || '', script.separator);
          before = shown(bench);
          for (const [name, fields] of Object.entries(changes.controls || {}))
            for (const [key, value] of Object.entries(fields))
              assert.deepEqual(before.controls[name][key], value, `${where}: ${name}.${key}`);
        } else {
          assert.ok(bench.actText(step.do, step.control || '', step.value || 0, step.text || ''), where);
          const want = expected(before, changes);
          before = shown(bench);
          assert.deepEqual(before, want, where);
        }
        const told = bench.messages().map(formOf);
        assert.deepEqual(told, changes.messages || [], `${where}: messages`);
        if ('row' in changes)
          assert.deepEqual(bench.rows().at(-1), changes.row, `${where}: row`);
        if ('destroyed' in changes)
          assert.equal(bench.view().destroyed, changes.destroyed, `${where}: destroyed`);
      });
    } finally {
      if (bench)
        bench.delete();
    }
  });

// The Matrikelnummer draws the student's variant: every spelling of one
// number the same, another number another.
test('a signed-in student draws a variant of their own', async () => {
  const kora = await core;
  const file = 'variante:schluessel=physik\nsensor:nr=0:off\n' +
    'typ0:a=rand(0.0003,0.0004):b=rand(4500,5500):NTC-Widerstand:0.05\nbasic:u=randint(5,15):r=0:t=25\n';
  const views = ['ab-1234', 'AB1234', ' ab/1234 ', 'cd-5678'].map((id) => {
    const bench = new kora.Bench(file, ',', id);
    try {
      const c = bench.view().controls;
      return [c.LabelV.text, c.Labelanz.text].join(' ');
    } finally {
      bench.delete();
    }
  });
  assert.equal(views[1], views[0]);
  assert.equal(views[2], views[0]);
  assert.notEqual(views[3], views[0]);
});
