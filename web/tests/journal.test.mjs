// The journal on the page as a student uses it, in Debian's Chromium: rows
// recorded by the button and Ctrl+M, the table and the downloaded CSV file
// equal to the file the native build writes for the same actions
// (tests/data/lab_journal.json), the rows kept over a reload, axe-core on
// the window, a 10-inch tablet's finger, the bench closed by a destroyed
// sensor, and the lab's message about a teacher's file (lab_notices.json).

import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { build } from "../build.mjs";
import { createRequire } from "node:module";
import { launch, open, pageUrl, root } from "./browser.mjs";

const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const data = JSON.parse(readFileSync(join(root, "tests/data/lab_journal.json"), "utf8"));
const tablet = { viewport: { width: 1280, height: 800 }, hasTouch: true, isMobile: false };

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser?.close());

// The fields of a CSV record written with ";": quotes undone.
function fields(line) {
  const out = [];
  let field = "", quoted = false;
  for (let i = 0; i < line.length; i++) {
    const c = line[i];
    if (quoted && c === '"' && line[i + 1] === '"') { field += c; i++; }
    else if (c === '"') quoted = !quoted;
    else if (c === ";" && !quoted) { out.push(field); field = ""; }
    else field += c;
  }
  return [...out, field];
}

// The run's steps as a person takes them: a record by the button or by
// Ctrl+M, the rest as the controls send it.
async function play(page, steps) {
  let n = 0;
  for (const step of steps) {
    if (step.do === "record") {
      if (n++ % 2) await page.keyboard.press("Control+m");
      else await page.click("#Commandmessen");
    } else {
      await page.evaluate((s) => window.kora.bench.send(s.do, s.control ?? "", s.value ?? 0), step);
    }
  }
}

const tableRows = (page) => page.$$eval("#Formprotokoll_Tableprotokoll tbody tr",
  (rows) => rows.map((r) => [...r.cells].map((c) => c.querySelector("input")?.value ?? c.textContent)));

async function downloaded(page) {
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#Formprotokoll_Commandspeichern")]);
  assert.equal(download.suggestedFilename(), "KORA-Protokoll.csv");
  return readFileSync(await download.path(), "utf8");
}

test("recorded rows: the table and the CSV download are the native build's; a reload keeps them", async () => {
  const run = data.runs[0];
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  await play(page, run.steps);
  await page.click("#Commandprotokoll");
  assert.equal(await page.isVisible("#Formprotokoll"), true);
  const lines = run.csv.replace(/^\uFEFF/, "").split("\r\n").filter(Boolean);
  const expected = lines.slice(1).map((l) => fields(l).slice(0, 11));
  assert.deepEqual(await tableRows(page), expected);
  assert.deepEqual(fields(lines[0]).slice(0, 11),
    await page.$$eval("#Formprotokoll_Tableprotokoll th", (th) => th.map((h) => h.textContent)));
  assert.equal(await downloaded(page), run.csv);
  // The charts: one point per row on the characteristic, drawn by uPlot.
  assert.equal(await page.locator("#Formprotokoll_Chartkennlinie canvas").count(), 1);
  assert.equal(await page.locator("#Formprotokoll_Chartzeitverlauf canvas").count(), 1);
  // The report's printable pages hold the same table.
  assert.equal(await page.locator("#Formprotokoll_print > table > tbody > tr").count(), expected.length);

  await page.reload();
  await page.waitForSelector("body[data-ready=true]", { state: "attached" });
  await page.keyboard.press("Space");
  await page.click("#Commandprotokoll");
  assert.deepEqual(await tableRows(page), expected);
  assert.equal(await downloaded(page), run.csv);
  // A row after the reload goes on with the next number.
  await page.keyboard.press("Escape");
  await page.keyboard.press("Control+m");
  assert.match(await page.textContent("#Labelstatus"), new RegExp(`^Zeile ${expected.length + 1} übernommen`));
  await page.click("#Commandprotokoll");
  assert.equal((await tableRows(page)).at(-1)[0], String(expected.length + 1));
  assert.deepEqual(faults, []);
  await page.close();
});

test("a note written in the table goes into the file guarded as on the desktop, and stays over a reload", async () => {
  const run = data.runs[0];
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  await play(page, run.steps);
  await page.click("#Commandprotokoll");
  await page.fill("#Formprotokoll_Bemerkung_0", "=1;2");
  await page.keyboard.press("Tab");
  const noted = run.csv.replace("aus;;1;", "aus;\"'=1;2\";1;");
  assert.notEqual(noted, run.csv);
  assert.equal(await downloaded(page), noted);
  await page.reload();
  await page.waitForSelector("body[data-ready=true]", { state: "attached" });
  await page.keyboard.press("Space");
  await page.click("#Commandprotokoll");
  assert.equal(await page.inputValue("#Formprotokoll_Bemerkung_0"), "=1;2");
  assert.equal(await downloaded(page), noted);
  assert.deepEqual(faults, []);
  await page.close();
});

test("axe-core finds no violation on the journal window", async () => {
  const { page, faults } = await open(browser, pageUrl());
  await page.keyboard.press("Space");
  await page.click("#Commandmessen");
  await page.click("#Commandprotokoll");
  await page.addScriptTag({ path: axePath });
  const violations = await page.evaluate(async () =>
    (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`));
  assert.deepEqual(violations, []);
  assert.deepEqual(faults, []);
  await page.close();
});

test("on a 10-inch tablet every control is a finger's target and takes a tap", async () => {
  const { page, faults } = await open(browser, pageUrl(), { held: true, device: tablet });
  await page.tap("#Picture1");
  const small = await page.evaluate(() => {
    const targets = document.querySelectorAll("#Formexp button, #Formexp [role=spinbutton] button, #Formexp label");
    return [...targets].filter((el) => !el.closest("[hidden]")).map((el) => {
      const r = el.getBoundingClientRect();
      return { id: el.id || el.querySelector("input")?.id, w: Math.round(r.width), h: Math.round(r.height) };
    }).filter((t) => t.w < 24 || t.h < 24);
  });
  assert.deepEqual(small, []);
  await page.tap("#UpDownR_up");
  assert.equal(await page.textContent("#LabelR"), "15 kOhm");
  await page.tap("#Option1_2");
  assert.equal(await page.isChecked("#Option1_2"), true);
  await page.tap("#Commandmessen");
  await page.tap("#Commandprotokoll");
  assert.equal((await tableRows(page)).length, 1);
  await page.tap("#Formprotokoll_Commandschliessen");
  assert.equal(await page.isVisible("#Formprotokoll"), false);
  assert.deepEqual(faults, []);
  await page.close();
});

test("a destroyed sensor closes the bench once its message is read, the journal stays", async () => {
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  await page.keyboard.press("Space");
  // A bridged Pt 100 at 24 V with self-heating, after the evaluation.
  await page.evaluate(() => {
    const b = window.kora.bench;
    [["evaluate"], ["evaluationClosed"], ["choose", "", 2], ["step", "UpDownV", 24], ["selfheating", "", 1], ["bypass"],
      ["tick", "", 12]].forEach((a) => b.send(...a));
  });
  const box = page.locator("[role=alertdialog]");
  assert.match(await box.locator("p").textContent(), /zerstört/);
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible("#Formexp"), false);
  assert.equal(await page.isVisible("#Formprotokoll"), true);
  assert.deepEqual(faults, []);
  await page.close();
});

test("the message about a teacher's file's unusable lines is the lab's", async () => {
  const notice = JSON.parse(readFileSync(join(root, "tests/data/lab_notices.json"), "utf8")).notices[0];
  const dir = mkdtempSync(join(tmpdir(), "kora-notice-"));
  try {
    const config = join(dir, "cmmup.dlx");
    writeFileSync(config, notice.config);
    const out = await build({ core: join(root, "build/wasm/src/wasm/kora_core.js"), out: join(dir, "kurs.html"), config });
    const { page, faults } = await open(browser, pageUrl(out));
    assert.equal(await page.locator("[role=alertdialog] p").textContent(), notice.notice);
    assert.deepEqual(faults, []);
    await page.close();
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
