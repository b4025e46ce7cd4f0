// The grades section in Debian's Chromium, as a teacher uses it: a Moodle
// zip chosen, the class overview shown, the grade file and the overview
// page downloaded, and compared byte for byte with what the native
// `kora --ergebnisse` writes for the same zip in the same run. The zips a
// teacher must never have unpacked are refused by page and desktop alike,
// with the reason, and nothing is offered or written.
//
// The section is tried on the teacher's page where it is built
// (build/web/kora-lehrer.html, or $KORA_LEHRER_PAGE), else on a page of
// its own made here from the same modules.

import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launch, open, pageUrl, root } from "./browser.mjs";
import { zipOf } from "./zipfile.mjs";
import { sectionPage, section } from "./gradespage.mjs";
import { createRequire } from "node:module";

const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");

const kora = process.env.KORA_EXE || join(root, "build/default/src/app/kora");
const core = process.env.KORA_CORE_MODULE || join(root, "build/wasm/src/wasm/kora_core.js");
const data = JSON.parse(readFileSync(join(root, "tests/data/grading_overview.json"), "utf8"));

let browser;
let dir;
let pagePath;

before(async () => {
  dir = mkdtempSync(join(tmpdir(), "kora-grades-"));
  const built = process.env.KORA_LEHRER_PAGE || join(root, "build/web/kora-lehrer.html");
  pagePath = existsSync(built) && readFileSync(built, "utf8").includes(section) ? built : sectionPage(join(dir, "noten.html"), core);
  browser = await launch();
});
after(async () => {
  await browser?.close();
  rmSync(dir, { recursive: true, force: true });
});

// The records of the shared data as Moodle hands them out: a folder per
// student, the platform's own text beside them.
function moodleZip(options) {
  const entries = [];
  for (const [file, text] of Object.entries(data.records)) {
    const id = /KORA-(\d+)/.exec(file)?.[1] ?? "0";
    entries.push({ name: `Studi ${id}_${id}_assignsubmission_file/${file}`, data: text });
  }
  entries.push({ name: "Studi 1_1_assignsubmission_onlinetext/onlinetext.html", data: "<p>Hallo</p>" });
  return zipOf(entries, options);
}

function desktop(zip, extra = []) {
  const csv = join(dir, "desktop.csv");
  const html = join(dir, "desktop.html");
  rmSync(csv, { force: true });
  rmSync(html, { force: true });
  const run = spawnSync(kora, ["--ergebnisse", zip, "--csv", csv, "--html", html, ...extra],
    { encoding: "utf8", env: { ...process.env, QT_QPA_PLATFORM: "offscreen", LC_ALL: "C.UTF-8" } });
  return { status: run.status, err: run.stderr, csv: existsSync(csv) ? readFileSync(csv) : null,
    html: existsSync(html) ? readFileSync(html, "utf8") : null };
}

async function choose(page, file) {
  const before = await page.getAttribute(`#${section}`, "data-graded");
  await page.setInputFiles(`#${section}_dateien`, file);
  await page.waitForFunction(([id, was]) => document.getElementById(id).dataset.graded !== was, [section, before]);
}

async function download(page, link) {
  const [d] = await Promise.all([page.waitForEvent("download"), page.click(`#${section}_${link}`)]);
  return readFileSync(await d.path());
}

const requestsOf = (faults) => faults.filter((f) => !f.startsWith("request blob:"));

test("a Moodle zip gives the desktop's grade file and overview page, for each way of counting", async () => {
  const zip = join(dir, "abgaben.zip");
  writeFileSync(zip, moodleZip());
  const { page, faults } = await open(browser, pageUrl(pagePath));
  await choose(page, zip);
  for (const counting of ["erster", "bester", "letzter"]) {
    const was = await page.getAttribute(`#${section}`, "data-graded");
    await page.selectOption(`#${section}_wertung`, counting);
    if (counting !== "erster")
      await page.waitForFunction(([id, w]) => document.getElementById(id).dataset.graded !== w, [section, was]);
    const native = desktop(zip, ["--wertung", counting]);
    assert.equal(native.status, 1, native.err);
    assert.deepEqual(await download(page, "csv"), native.csv, counting);
    // The page names the zip and its own time where the desktop names the path and its time.
    const html = (await download(page, "html")).toString("utf8");
    const same = (h) => h.replace(/<code>[^<]*<\/code>, (\d+)/, "<code></code>, $1").replace(/erstellt [^<]*\./, "erstellt .");
    assert.equal(same(html), same(native.html), counting);
    // The overview on the page: a row a student, the notes as in the grade file.
    const rows = await page.$$eval(`#${section}_uebersicht tbody tr`, (trs) => trs.map((tr) => tr.className));
    assert.equal(rows.length, native.csv.toString("utf8").trim().split("\r\n").length - 1);
    assert.ok(rows.includes("note"));
  }
  assert.match(await page.textContent(`#${section}_uebersicht`), /kaputt\.json: die Datei ist unvollständig/);
  // The teacher's file beside the records: every variant drawn again, as --config does.
  const dlx = join(dir, "cmmup.dlx");
  writeFileSync(dlx, "variante:schluessel=kurs\ntyp3:r0=rand(1000,1000.5):a=3.85:Pt 1000:0.01\n");
  const was = await page.getAttribute(`#${section}`, "data-graded");
  await page.setInputFiles(`#${section}_cmmup`, dlx);
  await page.waitForFunction(([id, w]) => document.getElementById(id).dataset.graded !== w, [section, was]);
  const checked = desktop(zip, ["--wertung", "letzter", "--config", dlx]);
  assert.match(checked.csv.toString("utf8"), /Sensor passt nicht zur Variante/);
  assert.deepEqual(await download(page, "csv"), checked.csv);
  // Accessible as it stands, with the overview shown.
  await page.addScriptTag({ path: axePath });
  const violations = await page.evaluate(async (id) =>
    (await axe.run(document.getElementById(id))).violations.map((v) => `${v.id}: ${v.help}`), section);
  assert.deepEqual(violations, []);
  assert.deepEqual(requestsOf(faults), []);
  await page.close();
});

test("a folder, or its records chosen one by one, gives the folder's grade file", async () => {
  const folder = join(dir, "abgabe");
  mkdirSync(join(folder, "alt"), { recursive: true });
  for (const [file, text] of Object.entries(data.records)) writeFileSync(join(folder, file), text);
  // A record in a folder below is not the folder's, as on the desktop.
  writeFileSync(join(folder, "alt", "KORA-4711009.json"), data.records["KORA-4711001-a.json"]);
  const native = desktop(folder);
  const { page, faults } = await open(browser, pageUrl(pagePath));
  const was = await page.getAttribute(`#${section}`, "data-graded");
  await page.setInputFiles(`#${section}_ordner`, folder);
  await page.waitForFunction(([id, w]) => document.getElementById(id).dataset.graded !== w, [section, was]);
  assert.deepEqual(await download(page, "csv"), native.csv);
  await choose(page, Object.keys(data.records).reverse().map((f) => join(folder, f)));
  assert.deepEqual(await download(page, "csv"), native.csv);
  assert.deepEqual(requestsOf(faults), []);
  await page.close();
});

test("a zip with Zip64 fields, as streaming writers make them, gives the same grade file", async () => {
  const zip = join(dir, "abgaben64.zip");
  writeFileSync(zip, moodleZip({ zip64: true }));
  const native = desktop(zip);
  assert.equal(native.status, 1, native.err);
  const { page, faults } = await open(browser, pageUrl(pagePath));
  await choose(page, zip);
  assert.deepEqual(await download(page, "csv"), native.csv);
  assert.deepEqual(requestsOf(faults), []);
  await page.close();
});

test("in English the section and the overview speak English", async () => {
  const { page, faults } = await open(browser, `${pageUrl(pagePath)}?sprache=en`, { allowed: [pageUrl(pagePath)] });
  const zip = join(dir, "abgaben.zip");
  writeFileSync(zip, moodleZip());
  await choose(page, zip);
  assert.match(await page.textContent(`#${section} h2`), /^(4\. )?Grades$/);
  const heads = await page.$$eval(`#${section}_uebersicht th`, (th) => th.map((h) => h.textContent));
  assert.deepEqual(heads.slice(0, 3), ["Student ID", "Name", "Points"]);
  assert.match(await page.textContent(`#${section}_uebersicht`), /copy/);
  assert.match((await download(page, "csv")).toString("utf8"), /^\uFEFFStudent ID,Name,Points,Maximum points,Percent,/);
  assert.deepEqual(requestsOf(faults), []);
  await page.close();
});

const big = Buffer.alloc(101 * 1000 * 1000, 0x30);
const good = zipOf([{ name: "a/KORA-1.json", data: data.records["KORA-4711001-a.json"] }]);
const refusals = [
  { what: "an entry that leaves its folder", zip: () => zipOf([{ name: "a/../../etc/KORA.json", data: "{}" }]), reason: /zeigt aus seinem Ordner hinaus/ },
  { what: "a zip bomb", zip: () => zipOf([{ name: "KORA.json", data: big }]), reason: /zu groß: mehr als 100 MB/ },
  { what: "a download cut short", zip: () => good.subarray(0, good.length - 30), reason: /beschädigt/ },
  { what: "a flipped byte in the packed data", zip: () => { const z = Buffer.from(good); z[60] ^= 0x55; return z; }, reason: /beschädigt/ },
];

test("refused zips: page and desktop give the reason and offer or write nothing", async () => {
  const { page, faults } = await open(browser, pageUrl(pagePath));
  for (const r of refusals) {
    const zip = join(dir, "abgaben.zip");
    writeFileSync(zip, r.zip());
    const native = desktop(zip);
    assert.equal(native.status, 2, r.what);
    assert.match(native.err, r.reason, r.what);
    assert.equal(native.csv, null, r.what);
    assert.equal(native.html, null, r.what);
    await choose(page, zip);
    assert.match(await page.textContent(`#${section}_status`), r.reason, r.what);
    assert.match(await page.textContent(`#${section}_status`), /abgaben\.zip/, r.what);
    assert.equal(await page.isHidden(`#${section}_csv`), true, r.what);
    assert.equal(await page.isHidden(`#${section}_html`), true, r.what);
    assert.equal(await page.$$eval(`#${section}_uebersicht tr`, (t) => t.length), 0, r.what);
  }
  assert.deepEqual(requestsOf(faults), []);
  await page.close();
});
