// The WebAssembly module's costs in node, as scripts/bench prints them beside
// the native figures: one thermostat tick with its reading through the
// binding, one whole comparison of an equation, and the module's size.
//   node benchmarks/bench_core.js [module] [native tick ns] [native comparison µs]
// Times are CPU time per call, the median of five runs, as Google Benchmark
// reports them natively.
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const file = path.resolve(process.argv[2] ||
  path.join(__dirname, '..', 'build', 'wasm', 'src', 'wasm', 'kora_core.js'));
const nativeTickNs = Number(process.argv[3]);
const nativeComparisonUs = Number(process.argv[4]);

function cpuMicros() {
  const u = process.cpuUsage();
  return u.user + u.system;
}

// The median over five runs of `calls` calls, in µs per call.
function median(calls, work) {
  for (let i = 0; i < calls; ++i) work(); // warm the engine up
  const runs = [];
  for (let r = 0; r < 5; ++r) {
    const start = cpuMicros();
    for (let i = 0; i < calls; ++i) work();
    runs.push((cpuMicros() - start) / calls);
  }
  runs.sort((a, b) => a - b);
  return runs[2];
}

function line(label, value, unit, goal) {
  const shown = value >= 100 ? value.toFixed(0) : value.toFixed(2);
  console.log(`${label.padEnd(56)} ${shown.padStart(11)} ${unit}${goal ? `   (${goal})` : ''}`);
}

Promise.resolve(require(file)()).then((kora) => {
  const lab = new kora.Lab('', '', '', ',');
  lab.placeSensorAt(20);
  const tickUs = median(20000, () => lab.tick());
  line('wasm: one thermostat tick with its reading (node)', tickUs * 1000, 'ns', 'goal < 1 ms');
  if (nativeTickNs > 0) line('  against native coreTickWithReading', tickUs * 1000 / nativeTickNs, 'x');

  const comparisonUs = median(10, () => kora.compareEquation(lab, '0.000357*EXP(5000/T)'));
  line('wasm: one whole comparison of an equation (node)', comparisonUs, 'us', 'goal within 3x native');
  if (nativeComparisonUs > 0) line('  against native coreComparison', comparisonUs / nativeComparisonUs, 'x', 'goal < 3x');
  lab.delete();

  line('wasm: module size, JavaScript and wasm in one file', fs.statSync(file).size / 1024, 'KiB', 'goal < 1 MB');
});
