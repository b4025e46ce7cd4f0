// The WebAssembly module under test, loaded once for all tests of a file:
// $KORA_CORE_MODULE, or the wasm preset's build.
'use strict';
const path = require('node:path');

const file = process.env.KORA_CORE_MODULE ||
  path.join(__dirname, '..', '..', 'build', 'wasm', 'src', 'wasm', 'kora_core.js');

const core = require(file)();

// A lab at the start values with a teacher's file (none: ""), its sensor
// chosen as the native tests' start state has it; deleted after `use`.
async function withLab(type, use, teachersFile = '') {
  const kora = await core;
  const lab = new kora.Lab(teachersFile, '', '', ',');
  try {
    lab.selectSensor(type);
    return use(lab, kora);
  } finally {
    lab.delete();
  }
}

module.exports = { core, withLab };
