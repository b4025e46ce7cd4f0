// The interpreter in the WebAssembly module, row for row as natively
// (tests/formula/test_formula.cpp): the same texts, the same failures.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { read } = require('./tables');
const { core } = require('./core');

for (const row of read('formula_texts.tsv'))
  test(`${row.where} ${JSON.stringify(row.text('formula'))}`, async () => {
    assert.deepEqual((await core).formula(row.text('formula')), { text: row.text('text') });
  });

for (const row of read('formula_failures.tsv'))
  test(`${row.where} ${JSON.stringify(row.text('formula'))} fails`, async () => {
    assert.deepEqual((await core).formula(row.text('formula')), { error: row.text('kind') });
  });
