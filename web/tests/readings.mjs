// The table of bench settings and the native build's readings for it: the
// rows from tests/data, the texts from tools/benchreadings, run now.

import { execFileSync } from "node:child_process";
import { existsSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { root } from "./browser.mjs";

export const rowsFile = join(root, "tests/data/bench_readings.json");
const tool = process.env.KORA_BENCH_READINGS || join(root, "build/default/tools/benchreadings/kora_bench_readings");

export function nativeReadings() {
  if (!existsSync(tool)) throw new Error(`${tool} fehlt: cmake --build build/default --target kora_bench_readings`);
  const rows = JSON.parse(readFileSync(rowsFile, "utf8")).rows;
  const native = JSON.parse(execFileSync(tool, [rowsFile], { encoding: "utf8" })).rows;
  return rows.map((row, i) => ({ ...row, readings: native[i].readings }));
}

export const byName = (rows, name) => rows.find((r) => r.name === name);
