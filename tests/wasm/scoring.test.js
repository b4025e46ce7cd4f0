// The evaluation's scores in the WebAssembly module, row for row as natively
// (tests/scoring).
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { read } = require('./tables');
const { core, withLab } = require('./core');

for (const row of read('scoring_compared.tsv'))
  test(`${row.where} ${row.text('equation')}`, () =>
    withLab(row.integer('type'), (lab, kora) => {
      const c = kora.compareEquation(lab, row.text('equation'));
      assert.equal(c.failure, undefined);
      assert.equal(c.scaleTop, row.number('scaleTop'));
      assert.equal(c.samples.length, 400);
      assert.equal(c.samples[0].celsius, 20);
      assert.ok(Math.abs(c.samples[399].celsius - 99.8) <= 1e-9);
      assert.ok(c.samples.every((s) => s.answer !== undefined));
      assert.deepEqual([c.deviation, c.points], [row.number('deviation'), row.integer('points')]);
    }));

for (const row of read('scoring_failures.tsv'))
  test(`${row.where} ${row.text('equation')} fails`, () =>
    withLab(0, (lab, kora) => {
      const c = kora.compareEquation(lab, row.text('equation'));
      assert.equal(c.failure.reason, row.text('reason'));
      assert.ok(Math.abs(c.failure.kelvin - row.number('kelvin')) <= 1e-9);
      assert.equal(c.samples.length, row.integer('samples'));
      if (c.samples.length > 0)
        assert.equal(c.samples[c.samples.length - 1].answer !== undefined, row.flag('answered'));
      assert.equal(c.scaleTop !== undefined, row.number('kelvin') > 0);
      assert.equal(c.points, 0);
    }, `typ0:a=${row.text('ntc_a')}:b=5000:NTC-Widerstand:0.05`));

for (const row of read('scoring_celsius.tsv'))
  test(`${row.where} ${row.text('equation')} in °C`, () =>
    withLab(row.integer('type'), (lab, kora) => {
      const c = kora.compareEquation(lab, row.text('equation'));
      assert.equal(c.failure, undefined);
      assert.deepEqual([c.fitsInCelsius, c.points], [row.flag('fits'), row.integer('points')]);
    }));

for (const row of read('scoring_points.tsv'))
  test(`${row.where} ${row.text('deviation')} % at ${row.text('tolerance')}`, async () => {
    assert.equal((await core).equationPoints(row.number('deviation'), row.number('tolerance')), row.integer('points'));
  });

for (const row of read('scoring_deviation.tsv'))
  test(`${row.where} ${row.text('name')}`, async () => {
    assert.equal((await core).equationDeviation(row.number('sum')), row.number('percent'));
  });

for (const row of read('scoring_answers.tsv'))
  test(`${row.where} type ${row.text('type')}, alpha ${row.text('alpha')}`, () =>
    withLab(row.integer('type'), (lab, kora) => {
      assert.equal(kora.typePoints(lab, row.integer('chosen')), row.integer('typePoints'));
      const a = kora.scoreAlpha(lab, row.text('alpha'));
      assert.deepEqual([a.deviation, a.points], [row.number('alphaDeviation'), row.integer('alphaPoints')]);
    }));

for (const row of read('scoring_platinum.tsv'))
  test(`${row.where} platinum alpha ${row.text('alpha')}`, () =>
    withLab(row.integer('type'), (lab, kora) => {
      const a = kora.scoreAlpha(lab, row.text('alpha'));
      assert.equal(a.reference.celsius, row.number('referenceCelsius'));
      assert.ok(Math.abs(a.reference.alpha - row.number('reference')) <= 1e-9);
      assert.equal(a.other.celsius, row.number('otherCelsius'));
      assert.deepEqual([a.deviation, a.points], [row.number('deviation'), row.integer('points')]);
    }));

for (const row of read('equation_temperature.tsv'))
  test(`${row.where} ${row.text('name')}`, async () => {
    assert.equal((await core).withTemperature(row.text('equation'), row.text('kelvin')), row.text('result'));
  });

for (const row of read('equation_unreadable.tsv'))
  test(`${row.where} ${row.text('equation')} readable`, async () => {
    assert.equal((await core).hasUnreadablePart(row.text('equation')), row.flag('unreadable'));
  });

for (const row of read('equation_unknown_word.tsv'))
  test(`${row.where} ${row.text('equation')} unknown word`, async () => {
    assert.equal((await core).unknownWord(row.text('equation')), row.text('word'));
  });
