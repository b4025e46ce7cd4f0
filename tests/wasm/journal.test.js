// The journal's rows (tests/data/lab_journal.json) against the WebAssembly
// module, as tests/lab and the desktop's journal run them: each row's cells
// and CSV lines, and whole runs on the bench whose journal writes the file
// given there.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { core } = require('./core');

const data = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'data', 'lab_journal.json'), 'utf8'));

// The file's bytes as text, its byte-order mark kept.
const text = (bytes) => Buffer.from(bytes).toString('utf8');

// A journal in the source language's words, in the German or the other format.
function journalOf(kora, german) {
  const d = kora.journalDesign();
  return new kora.Journal([...d.columns, d.on, d.off, d.bypassed], german);
}

test('lab_journal.json: each row\'s cells and CSV lines', async () => {
  const kora = await core;
  const kept = data.rows.map((r) => ({ ...r.row, seconds: r.seconds, bemerkung: r.bemerkung }));
  for (const german of [true, false]) {
    const journal = journalOf(kora, german);
    try {
      journal.restore(kept);
      const head = text(journal.csv());
      journal.restore([]);
      const bare = text(journal.csv());
      journal.restore(kept);
      assert.equal(head, bare + data.rows.map((r) => (german ? r.german : r.english)).join(''));
      assert.ok(bare.startsWith('\uFEFFNr.' + (german ? ';' : ',') + 'Zeit'));
      if (german)
        data.rows.forEach((r, i) => assert.deepEqual(journal.cells(i), r.cells, r.name));
    } finally {
      journal.delete();
    }
  }
});

for (const run of data.runs) {
  test(`lab_journal.json: ${run.name}`, async () => {
    const kora = await core;
    const bench = new kora.Bench('', ',');
    const journal = journalOf(kora, true);
    try {
      for (const step of run.steps) {
        if (step.do === 'tick') {
          for (let i = 0; i < Math.max(1, step.value || 0); i++) {
            bench.act('tick', '', 1);
            journal.sample(bench.shown());
          }
          continue;
        }
        const before = bench.rowCount();
        assert.ok(bench.act(step.do, step.control || '', step.value || 0));
        if (bench.rowCount() > before)
          journal.record(bench.rows().at(-1));
      }
      assert.equal(text(journal.csv()), run.csv);
      const points = journal.characteristic().series.reduce((n, s) => n + s.x.length, 0);
      assert.equal(points, run.points);
      assert.ok(journal.timeCourse().sensor.x.length > 0);
    } finally {
      journal.delete();
      bench.delete();
    }
  });
}

// The start-up message about the teacher's file: the lab's phrases, worded
// by the page's own words.js in the source language.
test('lab_notices.json: the message about a teacher\'s file', async () => {
  const kora = await core;
  const { phrased } = await import('../../web/src/words.js');
  const notices = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'data', 'lab_notices.json'), 'utf8')).notices;
  assert.ok(notices.length > 0);
  for (const row of notices) {
    const bench = new kora.Bench(row.config, ',');
    try {
      assert.equal(bench.problemNotice().map(phrased).join('\n'), row.notice, row.name);
    } finally {
      bench.delete();
    }
  }
});
