// A course's page in Debian's Chromium: the student signs in, runs the
// bench and the evaluation, downloads the record, and the native
// `kora --ergebnisse` reads it with the same points. The teacher's
// sprache:en words the sign-in in English; an exam's record keeps the
// sensor secret; axe-core finds nothing on the sign-in.

import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createRequire } from "node:module";
import { launch, open, pageUrl, root } from "./browser.mjs";
import { build } from "../build.mjs";
import { catalogueOf } from "../catalogue.mjs";

const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const program = process.env.KORA_PROGRAM || join(root, "build/default/src/app/kora");
const core = join(root, "build/wasm/src/wasm/kora_core.js");
const english = catalogueOf(readFileSync(join(root, "translations/kora_en.ts"), "utf8"));
const course = "anmeldung:pflicht\nvariante:schluessel=physik\nsensor:nr=0:off\n" +
  "typ0:a=rand(0.0003,0.0004):b=rand(4500,5500):NTC-Widerstand:0.05\n";

let browser;
let folder;
before(async () => {
  folder = mkdtempSync(join(tmpdir(), "kora-signin-"));
  browser = await launch();
});
after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

// The course's page with the teacher's file inside, as kora --web writes it.
async function coursePage(name, file) {
  const config = join(folder, `${name}.dlx`);
  writeFileSync(config, file);
  return pageUrl(await build({ core, out: join(folder, `${name}.html`), config }));
}

async function signIn(page, name, matrikel) {
  await page.fill("#Formanmeldung_TextName", name);
  await page.fill("#Formanmeldung_TextMatrikel", matrikel);
  await page.press("#Formanmeldung_TextMatrikel", "Enter");
  await page.waitForSelector("body[data-ready=true]", { state: "attached" });
}

// "Auswertung" on the page, answered with the first type of the list (the
// NTC the file hides), then closed: the points its closing box names.
async function evaluate(page) {
  await page.click("#Command1");
  await page.selectOption("#Formantwort_Listsensoren", { index: 0 });
  await page.click("#Formantwort_Command1");
  const box = page.locator("[role=alertdialog]");
  for (let i = 0; i < 5 && (await box.count()); i++) await box.locator("button").first().click();
  await page.click("#Formantwort_close");
  for (let i = 0; i < 5; i++) {
    const text = await box.locator("p").textContent();
    await box.locator("button").first().click();
    const reached = text.match(/ (\d+) von \d+ Punkten erreicht$/);
    if (reached) return Number(reached[1]);
  }
  throw new Error("no closing box with the points");
}

// The record as the student downloads it, saved where the teacher collects them.
async function download(page, into) {
  mkdirSync(into, { recursive: true });
  const saved = page.waitForEvent("download");
  await page.click("#Ergebnis_Speichern");
  const d = await saved;
  await d.saveAs(join(into, d.suggestedFilename()));
  return { file: d.suggestedFilename(), record: JSON.parse(readFileSync(join(into, d.suggestedFilename()), "utf8")) };
}

test("a student signs in, runs, downloads the record, and kora --ergebnisse reads its points", async () => {
  const url = await coursePage("course", course);
  const { page, faults } = await open(browser, url, { ready: "signin" });
  assert.equal(await page.evaluate(() => document.activeElement.id), "Formanmeldung_TextName");
  const hint = () => page.textContent("#Formanmeldung_Labelhinweis");
  const ok = () => page.isEnabled("#Formanmeldung_CommandOK");
  assert.equal(await hint(), "Bitte geben Sie Ihren Namen ein.");
  assert.equal(await ok(), false);
  await page.fill("#Formanmeldung_TextName", "Anna Muster");
  await page.fill("#Formanmeldung_TextMatrikel", "12");
  assert.equal(await hint(), "Die Matrikelnummer besteht aus 3 bis 20 Buchstaben, Ziffern oder \"-\".");
  assert.equal(await ok(), false);
  await signIn(page, "  Anna   Muster ", "ab-4711");
  assert.equal(await page.$("#Formanmeldung"), null);
  await page.click("#Picture1");
  const points = await evaluate(page);
  assert.ok(points > 0);
  // Then a Pt 100 bridged at 24 V with self-heating overheats: the
  // destruction is a moment of the record too.
  await page.evaluate(() => {
    const { bench } = window.kora;
    for (const [kind, control, value] of [["choose", "", 2], ["step", "UpDownV", 24], ["selfheating", "", 1],
      ["bypass", "", 0]]) bench.send(kind, control, value);
    for (let i = 0; i < 20 && !bench.view.destroyed; i++) bench.send("tick", "", 1);
  });
  await page.locator("[role=alertdialog] button").first().click();
  const into = join(folder, "abgabe");
  const { file, record } = await download(page, into);
  assert.match(file, /^KORA-AB4711-\d{8}-\d{6}\.json$/);
  assert.equal(record.student.name, "Anna Muster");
  assert.deepEqual(record.moments.map((m) => m.state), ["begonnen", "ausgewertet", "zerstoert"]);
  assert.equal(record.state, "zerstoert");
  assert.equal(record.points.total, points);
  assert.equal(record.sensor.index, 0);
  // The student's variant is the teacher's answer key for this number.
  const key = execFileSync(program, ["--check-config", join(folder, "course.dlx"), "--matrikel", "AB4711"],
    { encoding: "utf8", env: { ...process.env, QT_QPA_PLATFORM: "offscreen" } });
  const [, a, b] = key.match(/typ0 NTC-Widerstand: a = ([^,]+), b = ([^,]+),/);
  assert.ok(Math.abs(record.sensor.ntc_a / Number(a) - 1) < 1e-12, `${record.sensor.ntc_a} ~ ${a}`);
  assert.ok(Math.abs(record.sensor.ntc_b / Number(b) - 1) < 1e-12, `${record.sensor.ntc_b} ~ ${b}`);
  // Downloaded: the browser keeps no copy for the next student.
  assert.deepEqual(await page.evaluate(() => Object.keys(localStorage)), []);
  const csv = join(folder, "uebersicht.csv");
  execFileSync(program, ["--ergebnisse", into, "--csv", csv], { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" } });
  const [head, row] = readFileSync(csv, "utf8").replace(/^\uFEFF/, "").trim().split(/\r?\n/).map((l) => l.split(","));
  const cell = (name) => row[head.findIndex((h) => h.replace(/"/g, "") === name)].replace(/"/g, "");
  assert.equal(cell("Matrikelnummer"), "ab-4711");
  assert.equal(Number(cell("Punkte")), points);
  assert.deepEqual(faults, []);
  await page.close();
});

test("a record not yet downloaded is kept and offered after a reload", async () => {
  const url = await coursePage("kept", course);
  const { page, faults } = await open(browser, url, { ready: "signin" });
  await signIn(page, "Ben", "4712");
  await page.reload();
  await page.waitForSelector("body[data-ready=signin]", { state: "attached" });
  await signIn(page, "Cleo", "4713");
  const kept = await page.$$eval("#Ergebnis_Frueher button", (bs) => bs.map((b) => b.textContent));
  assert.equal(kept.length, 1);
  assert.match(kept[0], /^KORA-4712-/);
  assert.deepEqual(faults, []);
  await page.close();
});

test("sprache:en in the teacher's file gives the English sign-in", async () => {
  const url = await coursePage("english", `sprache:en\n${course}`);
  const { page, faults } = await open(browser, url, { ready: "signin" });
  const context = "signin::Formanmeldung";
  assert.equal(await page.getAttribute("html", "lang"), "en");
  assert.equal(await page.textContent("#Formanmeldung_Labelintro"),
    english[context]["Bitte melden Sie sich für diesen Versuch an."]);
  assert.equal(await page.textContent("#Formanmeldung_Labelhinweis"), english[context]["Bitte geben Sie Ihren Namen ein."]);
  await signIn(page, "Anna", "4711");
  assert.equal(await page.textContent("#Ergebnis_Speichern"), english["page::Record"]["Ergebnis speichern"]);
  assert.deepEqual(faults, []);
  await page.close();
});

test("an exam's record holds the points but never the sensor", async () => {
  const url = await coursePage("exam", `${course}pruefung:on\n`);
  const { page, faults } = await open(browser, url, { ready: "signin" });
  await signIn(page, "Anna", "4711");
  await page.click("#Picture1");
  const points = await evaluate(page);
  const { record } = await download(page, join(folder, "pruefung"));
  assert.equal(record.exam, true);
  assert.equal(record.sensor, null);
  assert.equal(record.points.total, points);
  // After the evaluation the bench still hides the sensor choice.
  assert.equal(await page.evaluate(() => !document.getElementById("Framesensor").closest("[hidden]")), false);
  assert.deepEqual(faults, []);
  await page.close();
});

test("axe-core finds no violation on the sign-in and the record's line", async () => {
  const url = await coursePage("axe", course);
  const { page, faults } = await open(browser, url, { ready: "signin" });
  await page.addScriptTag({ path: axePath });
  const violations = () => page.evaluate(async () =>
    (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`));
  assert.deepEqual(await violations(), [], "sign-in");
  await signIn(page, "Anna", "4711");
  assert.deepEqual(await violations(), [], "bench with the record's line");
  assert.deepEqual(faults, []);
  await page.close();
});
