// The evaluation's scripts (the "scripts" of tests/data/lab_evaluation.json)
// against the WebAssembly module, row for row as tests/lab runs them
// natively: after each step the whole view is the one before with the step's
// changes, with the boxes it raised, the question asked and the points.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { core } = require('./core');

const scripts = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'data', 'lab_evaluation.json'), 'utf8'))
  .scripts;

// A form as the data file writes it: [key, value, ...]; the empty line is [].
const formOf = (f) => (f.key === '' && f.values.length === 0 ? [] : [f.key, ...f.values]);

function shown(controls) {
  const out = {};
  for (const [name, c] of Object.entries(controls))
    out[name] = { ...c, tip: c.tip ? formOf(c.tip) : [], lines: c.lines.map(formOf) };
  return out;
}

function expected(before, changes) {
  const view = structuredClone(before);
  for (const [name, fields] of Object.entries(changes.controls || {})) {
    const c = view[name];
    if ('text' in fields) {
      c.text = fields.text;
      c.words = fields.words || false;
    }
    for (const key of ['value', 'enabled', 'visible', 'colour', 'tip', 'lines'])
      if (key in fields)
        c[key] = fields[key];
  }
  return view;
}

// Typed into the emptied box, key by key as the box takes them, then Enter.
function type(evaluation, text) {
  let box = '';
  for (const c of text) {
    const k = evaluation.Textformel_KeyPress(c.charCodeAt(0), box);
    if (k !== 0)
      box += String.fromCharCode(k);
    evaluation.setText(box);
  }
  evaluation.Textformel_KeyPress(13, box);
}

for (const script of scripts)
  test(`lab_evaluation.json: ${script.name}`, async () => {
    const kora = await core;
    const evaluation = new kora.Evaluation(script.separator, script.sensor, script.exam || false);
    try {
      let before = shown(evaluation.view().controls);
      script.steps.forEach((step, n) => {
        const where = `step ${n + 1}: ${step.do}`;
        let asked = [];
        if (step.do === 'load')
          evaluation.Form_Load();
        else if (step.do === 'choose')
          evaluation.Listsensoren_Click(step.value);
        else if (step.do === 'ok')
          evaluation.Command1_Click();
        else if (step.do === 'type')
          type(evaluation, step.text);
        else if (step.do === 'close')
          asked = evaluation.closeQuestion()?.text.map(formOf) ?? [];
        else
          assert.fail(`${where}: no such step`);
        const changes = step.expect || {};
        const got = shown(evaluation.view().controls);
        assert.deepEqual(got, expected(before, changes), where);
        const raised = evaluation.boxes().map((b) => [...b.text, ...b.reason].map(formOf));
        assert.deepEqual(raised, changes.boxes || [], `${where}: boxes`);
        assert.deepEqual(asked, changes.question || [], `${where}: question`);
        if ('punkte' in changes)
          assert.equal(evaluation.report().punkte, changes.punkte, `${where}: points`);
        before = got;
      });
      const a = evaluation.answers();
      assert.equal(a.typePoints + a.equationPoints + a.alphaPoints, script.total, 'the answers\' points');
    } finally {
      evaluation.delete();
    }
  });
