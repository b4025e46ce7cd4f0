// The page's result record: a run signed in, evaluated or not, in an exam or
// not. Before the evaluation the record names no hidden sensor and holds no
// answer; afterwards it holds the answers and points, and the sensor only
// outside an exam. Every moment is kept with the time the page handed in.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { core } = require('./core');

const course = 'anmeldung:pflicht\nvariante:schluessel=physik\nsensor:nr=0:off\n';
const started = '2026-12-09T14:05:07+01:00';

const rows = [
  { name: 'signed in only', file: course, evaluate: false, exam: false },
  { name: 'evaluated', file: course, evaluate: true, exam: false },
  { name: 'an exam, evaluated', file: `${course}pruefung:on\n`, evaluate: true, exam: true },
];

// The evaluation answered with the type it is (NTC, first in the list).
function evaluate(kora, bench) {
  bench.act('start', '', 0);
  bench.act('evaluate', '', 0);
  const e = new kora.Evaluation(bench);
  e.Form_Load();
  e.Listsensoren_Click(0);
  e.Command1_Click();
  return e;
}

for (const row of rows)
  test(`the record: ${row.name}`, async () => {
    const kora = await core;
    const bench = new kora.Bench(row.file, ',', 'ab-4711');
    const record = new kora.RunRecord('1.0.0', 'Jürgen Müller', 'ab-4711', 'f00d', started, 'ab12');
    let e = null;
    try {
      record.add('begonnen', started, bench, '[]');
      let o = JSON.parse(record.text());
      assert.deepEqual(o.journal, []);
      assert.equal(o.sensor, null, 'no sensor before the evaluation');
      assert.deepEqual(o.answers, { type: null, equation: null, alpha: null });
      if (row.evaluate) {
        // A row recorded in the journal goes into the record, its cells by
        // the file's column names with "." as the desktop's record has them.
        const d = kora.journalDesign();
        const journal = new kora.Journal([...d.columns, d.on, d.off, d.bypassed], true);
        bench.act('start', '', 0);
        bench.act('record', '', 0);
        journal.record(bench.rows().at(-1));
        e = evaluate(kora, bench);
        record.addEvaluated('ausgewertet', '2026-12-09T14:20:07+01:00', bench, e, journal.recordJournal());
        journal.delete();
        o = JSON.parse(record.text());
        assert.equal(o.journal.length, 1);
        assert.ok(Object.values(o.journal[0]).includes(bench.rows()[0].anzeige.replace(',', '.')));
        assert.equal(o.answers.type, 0);
        assert.equal(o.points.type, o.points.total);
        assert.ok(o.points.total > 0 && o.points.max >= o.points.total);
        assert.equal(o.sensor === null, row.exam, 'the sensor outside an exam only');
      }
      assert.equal(o.format, 'kora-result/1');
      // The key word and the number are the draw's seed: none of its own.
      assert.equal(o.draw.seed, null);
      assert.equal(o.exam, row.exam);
      assert.deepEqual(o.student, { name: 'Jürgen Müller', id: 'ab-4711' });
      assert.equal(o.run_id, 'f00d');
      assert.equal(o.started, started);
      assert.deepEqual(o.moments.map((m) => m.state), row.evaluate ? ['begonnen', 'ausgewertet'] : ['begonnen']);
      assert.equal(o.updated, o.moments.at(-1).time);
      assert.equal(record.fileName(), 'KORA-AB4711-20261209-140507.json');
    } finally {
      if (e) e.delete();
      record.delete();
      bench.delete();
    }
  });

// A course without a key word draws from a random seed, which the record
// keeps: the same seed gives the teacher the same sensor again.
test('a course without a key word keeps the seed of its draw', async () => {
  const kora = await core;
  const file = 'anmeldung:pflicht\nsensor:nr=0:off\ntyp0:a=rand(0.0003,0.0004):b=rand(4500,5500):NTC-Widerstand:0.05\n';
  const bench = new kora.Bench(file, ',', '4711');
  const record = new kora.RunRecord('1.0.0', 'Anna', '4711', 'f00d', started, 'ab12');
  try {
    record.add('begonnen', started, bench, '[]');
    assert.match(JSON.parse(record.text()).draw.seed, /^\d+$/);
  } finally {
    record.delete();
    bench.delete();
  }
});

// What the page reads of the teacher's file before the bench stands.
test('the course lines the page starts from', async () => {
  const kora = await core;
  assert.deepEqual(kora.course(''), { signIn: false, digits: 0, exam: false, language: '' });
  assert.deepEqual(kora.course('anmeldung:pflicht:stellen=7\nsprache:en\n'),
    { signIn: true, digits: 7, exam: false, language: 'en' });
  assert.deepEqual(kora.course('pruefung:on\n'), { signIn: true, digits: 0, exam: true, language: '' });
});
