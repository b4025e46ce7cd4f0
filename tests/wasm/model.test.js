// The experiment model in the WebAssembly module, row for row as natively
// (tests/model): the circuit, the voltmeter and the seeded draws.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { read } = require('./tables');
const { core, withLab } = require('./core');

function near(actual, expected, tolerance, what) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual} is not within ${tolerance} of ${expected}`);
}

for (const row of read('model_circuit.tsv'))
  test(`${row.where} ${row.text('name')}`, () =>
    withLab(row.integer('type'), (lab) => {
      lab.placeSensorAt(row.number('celsius'));
      lab.setSource(row.integer('uquelle'));
      lab.setResistor(row.number('rvor'));
      near(lab.state().umess, row.number('umess'), row.number('tolerance'), row.text('name'));
    }));

for (const row of read('model_voltmeter.tsv'))
  test(`${row.where} ${row.text('volts')} V at ${row.text('position')}`, async () => {
    const kora = await core;
    assert.equal(kora.voltmeterText(row.number('volts'), row.integer('position'), ','), row.text('shown'));
  });

for (const row of read('model_draws.tsv'))
  test(`${row.where} draws of ${row.text('key')}/${row.text('matrikel')}`, async () => {
    const kora = await core;
    const expected = row.text('values').split(' ').map(Number);
    const drawn = kora.personalDraws(row.text('key'), row.text('matrikel'), row.number('from'), row.number('to'),
                                     expected.length, row.flag('whole'));
    assert.deepEqual(drawn, expected);
  });

for (const row of read('model_personal_lab.tsv'))
  test(`${row.where} a teacher's file drawn for ${row.text('matrikel')}`, async () => {
    const kora = await core;
    const lab = new kora.Lab(row.text('file'), row.text('matrikel'), row.text('key'), ',');
    try {
      assert.equal(lab.problems().total, 0);
      const s = lab.state();
      assert.deepEqual([s.ntc_a, s.ntc_b, s.uquelle, s.tsoll],
                       [row.number('ntc_a'), row.number('ntc_b'), row.integer('uquelle'), row.number('tsoll')]);
    } finally {
      lab.delete();
    }
  });
