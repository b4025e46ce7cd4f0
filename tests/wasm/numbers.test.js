// The number texts in the WebAssembly module, row for row as natively
// (tests/numbers/test_numbers.cpp).
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { read } = require('./tables');
const { core } = require('./core');

for (const row of read('numbers_display.tsv'))
  test(`${row.where} display ${row.text('value')}`, async () => {
    assert.equal((await core).displayText(row.number('value'), ','), row.text('text'));
  });

for (const row of read('numbers_pattern.tsv'))
  test(`${row.where} pattern ${row.text('value')}`, async () => {
    const kora = await core;
    assert.equal(kora.patternText(row.number('value'), row.integer('integerDigits'), row.integer('decimals'), ','),
                 row.text('text'));
  });

for (const row of read('numbers_half_away.tsv'))
  test(`${row.where} half away ${row.text('value')}`, async () => {
    assert.equal((await core).fixedHalfAway(row.number('value'), row.integer('decimals')), row.text('text'));
  });

for (const row of read('numbers_read.tsv'))
  test(`${row.where} read ${JSON.stringify(row.text('text'))}`, async () => {
    assert.equal((await core).readNumber(row.text('text')).value, row.number('value'));
  });

for (const row of read('numbers_edges.tsv'))
  test(`${row.where} edge ${row.text('text')}`, async () => {
    const kora = await core;
    assert.equal(kora.readNumber(row.text('text')).value, row.number('value'));
    assert.equal(kora.displayText(row.number('value'), row.text('separator')), row.text('display'));
  });
