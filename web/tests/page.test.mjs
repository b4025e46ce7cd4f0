// The page as a student uses it, in Debian's Chromium: opened from file://
// and over http, started with Space, driven by clicks and keys on the
// controls' ids; what it shows is compared with the native build's texts.

import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { createServer } from "node:http";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launch, open, pagePath, pageUrl, root, texts } from "./browser.mjs";
import { byName, nativeReadings } from "./readings.mjs";
import { catalogueOf } from "../catalogue.mjs";
import { build } from "../build.mjs";
import { createRequire } from "node:module";

const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");

let browser;
let rows;
const readingIds = () => Object.keys(rows[0].readings);

before(async () => {
  rows = nativeReadings();
  browser = await launch();
});
after(() => browser?.close());

const visible = (page, id) => page.evaluate((id) => !document.getElementById(id).closest("[hidden]"), id);
const focused = (page) => page.evaluate(() => document.activeElement.id);

test("from file:// the task page shows; Space starts the bench with the desktop's readings", async () => {
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  assert.equal(await focused(page), "Picture1");
  assert.ok(await visible(page, "Picture1"));
  assert.match(await page.textContent("#Picture1"), /Aufgabenstellung:/);
  await page.keyboard.press("Space");
  assert.equal(await visible(page, "Picture1"), false);
  assert.equal(await focused(page), "UpDownV");
  assert.deepEqual(await texts(page, readingIds()), byName(rows, "Start").readings);
  // The thermostat on the page's clock: 200 ms a tick; a tab in the
  // background, whose timer fired late, catches up with whole ticks.
  await page.clock.runFor(1000);
  assert.deepEqual(await texts(page, readingIds()), byName(rows, "Start, eine Sekunde").readings);
  await page.clock.fastForward(2000);
  assert.deepEqual(await texts(page, readingIds()), byName(rows, "Start, drei Sekunden").readings);
  assert.deepEqual(faults, []);
  await page.close();
});

test("every row of the table of settings reads on the page as in the native build", async () => {
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  for (const row of rows) {
    await page.reload();
    await page.waitForSelector("body[data-ready=true]", { state: "attached" });
    await page.evaluate((actions) => {
      for (const a of actions) window.kora.bench.send(a.kind, a.control ?? "", a.value ?? 0);
    }, row.actions);
    assert.deepEqual(await texts(page, Object.keys(row.readings)), row.readings, row.name);
  }
  assert.deepEqual(faults, []);
  await page.close();
});

test("clicks, keys and messages work as on the desktop", async () => {
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  await page.click("#Picture1");
  await page.click("#UpDownR_up");
  assert.equal(await page.textContent("#LabelR"), "15 kOhm");
  assert.equal(await page.getAttribute("#UpDownR", "aria-valuetext"), "15 kOhm");
  await page.focus("#UpDownV");
  await page.keyboard.press("ArrowUp");
  assert.equal(await page.getAttribute("#UpDownV", "aria-valuetext"), "11 V");
  // Ctrl+M records the row the displays show.
  const shown = await page.textContent("#Labelanz");
  await page.keyboard.press("Control+m");
  assert.ok((await page.textContent("#Labelstatus")).includes(shown));
  // After the evaluation (its window comes later: its actions go to the
  // bench directly) the bypass takes a click; the diode's is refused with
  // the desktop's message.
  await page.evaluate(() => ["evaluate", "evaluationClosed"].forEach((a) => window.kora.bench.send(a)));
  await page.check("#Option1_4");
  await page.click("#Picture2");
  const box = page.locator("[role=alertdialog]");
  assert.equal(await box.locator("p").textContent(), "Sie versuchen, den Sensor zu zerstören!");
  assert.equal(await page.evaluate(() => document.activeElement.textContent), "OK");
  await page.keyboard.press("Enter");
  assert.equal(await box.count(), 0);
  assert.equal(await page.getAttribute("#Picture2", "aria-checked"), "false");
  assert.deepEqual(faults, []);
  await page.close();
});

test("the task page's double click starts the bench and presses nothing beneath", async () => {
  const { page } = await open(browser, pageUrl(), { held: true });
  const box = await page.locator("#Commandmessen").boundingBox();
  await page.mouse.dblclick(box.x + box.width / 2, box.y + box.height / 2);
  assert.equal(await visible(page, "Picture1"), false);
  assert.equal(await page.textContent("#Labelstatus"), "");
  await page.click("#Commandmessen");
  assert.notEqual(await page.textContent("#Labelstatus"), "");
  await page.close();
});

test("Tab walks the bench in the lab's order", async () => {
  const { page } = await open(browser, pageUrl(), { held: true });
  await page.keyboard.press("Enter");
  const order = await page.evaluate(() => window.kora.bench.design.tabOrder);
  // A group of options is one stop, at its selected option; hidden and
  // disabled controls are none.
  const skipped = (id) => page.evaluate((id) => {
    const el = document.getElementById(id);
    return el.disabled || (el.type === "radio" && !el.checked);
  }, id);
  const stops = [];
  for (const id of order) if ((await visible(page, id)) && !(await skipped(id))) stops.push(id);
  const walked = [await focused(page)];
  for (let i = 1; i < stops.length; i++) {
    await page.keyboard.press("Tab");
    walked.push(await focused(page));
  }
  assert.deepEqual(walked, stops);
  await page.close();
});

test("?sprache=en words the page from translations/kora_en.ts", async () => {
  const en = catalogueOf(readFileSync(join(root, "translations/kora_en.ts"), "utf8"));
  const { page, faults } = await open(browser, `${pageUrl()}?sprache=en`, { allowed: [pageUrl()] });
  assert.equal(await page.getAttribute("html", "lang"), "en");
  assert.equal(await page.textContent("#Command1"), en["bench::Formexp"]["Auswertung"]);
  assert.equal(await page.getAttribute("#Labelanz", "aria-label"), en["bench::Formexp"]["Voltmeter"]);
  assert.deepEqual(faults, []);
  await page.close();
});

test("the teacher's file: inside the page, or over http beside it; no other request", async () => {
  const dir = mkdtempSync(join(tmpdir(), "kora-web-"));
  const config = join(root, "docs/examples/fest_verborgen.dlx");
  try {
    const inside = await build({ core: join(root, "build/wasm/src/wasm/kora_core.js"), out: join(dir, "kurs.html"), config });
    const a = await open(browser, pageUrl(inside));
    assert.equal(await visible(a.page, "Framesensor"), false);
    assert.deepEqual(a.faults, []);
    await a.page.close();
    const files = { "/kora.html": readFileSync(pagePath), "/cmmup.dlx": readFileSync(config) };
    const server = createServer((q, r) => {
      const body = files[q.url.split("?")[0]];
      r.writeHead(body ? 200 : 404, { "content-type": q.url.endsWith(".html") ? "text/html" : "text/plain" });
      r.end(body ?? "");
    });
    await new Promise((done) => server.listen(0, "127.0.0.1", done));
    const base = `http://127.0.0.1:${server.address().port}`;
    try {
      const b = await open(browser, `${base}/kora.html`, { allowed: [`${base}/kora.html`, `${base}/cmmup.dlx`] });
      assert.equal(await visible(b.page, "Framesensor"), false);
      assert.deepEqual(b.faults, []);
      await b.page.close();
    } finally {
      server.close();
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test("axe-core finds no violation on the task page and on the bench", async () => {
  // axe waits on timers of its own: the page's clock runs freely here.
  const { page, faults } = await open(browser, pageUrl());
  await page.addScriptTag({ path: axePath });
  const violations = () => page.evaluate(async () =>
    (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`));
  assert.deepEqual(await violations(), [], "task page");
  await page.keyboard.press("Space");
  assert.deepEqual(await violations(), [], "bench");
  assert.deepEqual(faults, []);
  await page.close();
});
