// The grades section's cost, in headless Chromium from file://: a folder of
// records (with its cmmup.dlx) zipped as Moodle hands them out, the
// teacher's file and the zip chosen, and the time until the class overview,
// the grade file and the overview page stand (median of three).
//   node web/bench-grades.mjs RECORDS-FOLDER ZIP-OUT [kora_core.js]
// The zip is left at ZIP-OUT, for the desktop's run on the same bytes.

import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launch, pageUrl, root } from "./tests/browser.mjs";
import { section, sectionPage } from "./tests/gradespage.mjs";
import { zipOf } from "./tests/zipfile.mjs";

const [folder, zipOut, core = join(root, "build/wasm/src/wasm/kora_core.js")] = process.argv.slice(2);
const records = readdirSync(folder).filter((f) => f.endsWith(".json")).sort();
writeFileSync(zipOut, zipOf(records.map((f, i) => ({
  name: `Studi ${i}_${i}_assignsubmission_file/${f}`, data: readFileSync(join(folder, f)) }))));

const dir = mkdtempSync(join(tmpdir(), "kora-bench-grades-"));
const browser = await launch();
try {
  const page = await browser.newPage();
  await page.goto(pageUrl(sectionPage(join(dir, "noten.html"), core)));
  await page.waitForSelector("body[data-ready=true]", { state: "attached" });
  await page.setInputFiles(`#${section}_cmmup`, join(folder, "cmmup.dlx"));
  const times = [];
  let rows = 0;
  for (let run = 0; run < 3; run++) {
    const was = await page.getAttribute(`#${section}`, "data-graded");
    const t0 = Date.now();
    await page.setInputFiles(`#${section}_dateien`, zipOut);
    await page.waitForFunction(([id, w]) => document.getElementById(id).dataset.graded !== w, [section, was],
      { timeout: 120000 });
    times.push((Date.now() - t0) / 1000);
    rows = await page.$$eval(`#${section}_uebersicht tbody tr`, (t) => t.length);
  }
  const median = times.sort((a, b) => a - b)[1];
  console.log(`${`the page grades ${records.length} records in a zip (${rows} students)`.padEnd(56)} ` +
    `${median.toFixed(2).padStart(11)} s    (goal < 10 s)`);
} finally {
  await browser.close();
  rmSync(dir, { recursive: true, force: true });
}
