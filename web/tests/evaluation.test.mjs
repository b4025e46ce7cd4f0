// The evaluation on the page as a student goes through it, in Debian's
// Chromium: the scripts of tests/data/lab_evaluation.json (the rows the lab
// runs natively and in node) played with clicks and keys on the page, with
// the desktop's messages and points; a run by keyboard alone; axe-core at
// each step; the report printed to PDF and read back with pdftotext.

import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launch, open, pageUrl, root } from "./browser.mjs";
import { build } from "../build.mjs";
import { catalogueOf } from "../catalogue.mjs";

const scripts = JSON.parse(readFileSync(join(root, "tests/data/lab_evaluation.json"), "utf8")).scripts;
const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");

let browser;
let dir;
// A course page whose hidden sensor is `sensor`, in an exam or not.
const pages = new Map();
async function coursePage(sensor, exam = false) {
  const key = `${sensor}-${exam}`;
  if (!pages.has(key)) {
    const config = join(dir, `${key}.dlx`);
    writeFileSync(config, `Kurs\nsensor:nr=${sensor}:off\n${exam ? "pruefung:on\n" : ""}`);
    pages.set(key, pageUrl(await build({ core: join(root, "build/wasm/src/wasm/kora_core.js"),
      out: join(dir, `${key}.html`), config })));
  }
  return pages.get(key);
}

before(async () => {
  dir = mkdtempSync(join(tmpdir(), "kora-evaluation-"));
  browser = await launch();
});
after(async () => {
  await browser?.close();
  rmSync(dir, { recursive: true, force: true });
});

const id = (name) => `#Formantwort_${name}`;
const box = (page) => page.locator("[role=alertdialog]");
const focused = (page) => page.evaluate(() => document.activeElement.id || document.activeElement.textContent);

// A form of the rows in German: its key with the values put in. The window
// names the hidden type with its article, as the desktop's does.
function german(form, names) {
  if (form.length === 0) return "";
  const [key, ...values] = form;
  const named = /handelt (es )?sich um %1$/.test(key) ? values.map((v) => names[v] ?? v) : values;
  return key.replace(/%(\d)/g, (all, n) => named[n - 1] ?? "");
}
const lines = (forms, names) => forms.map((f) => german(f, names)).join("\n");
// A box: its lines; a failed comparison's is its one line, then the
// reason's parts joined as they stand.
const boxText = (forms, names) => forms[0][0] === "Fehler in Formel"
  ? `${german(forms[0], names)}\n${forms.slice(1).map((f) => german(f, names)).join("")}` : lines(forms, names);

// The page's type names with their articles, by the names the lab lists.
const articleNames = (page) => page.evaluate(() => {
  const names = window.kora.core.sensorNames(window.kora.bench.bench);
  return Object.fromEntries(names.shown.map((f, t) => [f.key, names.withArticle[t].key]));
});

// The box's text, then OK (or the question's answer `choice`).
async function answer(page, choice = 0) {
  const text = await box(page).locator("p").textContent();
  await box(page).locator("button").nth(choice).click();
  return text;
}

// One step of a script with the page's controls; what it shows is what
// the row expects.
async function play(page, step, names, where) {
  const changes = step.expect || {};
  if (step.do === "load") await page.click("#Command1");
  else if (step.do === "choose") await page.selectOption(id("Listsensoren"), { index: step.value });
  else if (step.do === "ok") await page.click(id("Command1"));
  else if (step.do === "type") {
    await page.fill(id("Textformel"), "");
    await page.type(id("Textformel"), step.text);
    await page.press(id("Textformel"), "Enter");
  } else if (step.do === "close") await page.click(id("close"));
  // The boxes in order, each read and closed; a question answered "stay".
  for (const raised of changes.boxes || []) assert.equal(await answer(page), boxText(raised, names), `${where}: box`);
  if (changes.question) assert.equal(await answer(page, 1), lines(changes.question, names), `${where}: question`);
  // Nothing to ask: the close box closes the window (its closing box follows).
  if (step.do === "close" && !changes.question) return;
  assert.equal(await box(page).count(), 0, `${where}: no other box`);
  const message = changes.controls?.Labelmeldung?.lines;
  if (message) assert.equal(await page.textContent(id("Labelmeldung")), lines(message, names), `${where}: message`);
  for (const [name, fields] of Object.entries(changes.controls || {}))
    if ("visible" in fields)
      assert.equal(await page.isVisible(id(name)), fields.visible, `${where}: ${name} visible`);
}

// The window closed for good: the closing box with the points, the bench
// taking input again.
async function closeForGood(page, total, maximum) {
  if (await page.locator("#Formantwort").count()) await page.click(id("close"));
  let text = await answer(page);
  if (/Trotzdem schließen\?$/.test(text)) text = await answer(page);
  assert.match(text, new RegExp(` ${total} von ${maximum} Punkten erreicht$`));
  assert.equal(await page.locator("#Formantwort").count(), 0);
  assert.equal(await page.evaluate(() => document.getElementById("kora").inert), false);
}

for (const script of scripts)
  test(`the evaluation on the page: ${script.name}`, async () => {
    const { page, faults } = await open(browser, await coursePage(script.sensor), { held: true });
    await page.keyboard.press("Space");
    const names = await articleNames(page);
    for (const [n, step] of script.steps.entries()) await play(page, step, names, `step ${n + 1}: ${step.do}`);
    // The bench waits while the evaluation is under way.
    assert.equal(await page.evaluate(() => document.getElementById("kora").inert), true);
    const maximum = await page.evaluate((t) => window.kora.core.maximumPoints(t), script.sensor);
    await closeForGood(page, script.total, maximum);
    assert.deepEqual(faults, []);
    await page.close();
  });

test("the keyboard alone goes through the evaluation", async () => {
  const { page, faults } = await open(browser, pageUrl(), { held: true });
  await page.keyboard.press("Space");
  for (let i = 0; i < 20 && (await focused(page)) !== "Command1"; i++) await page.keyboard.press("Tab");
  await page.keyboard.press("Enter");
  assert.equal(await focused(page), "Formantwort_Listsensoren");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  assert.equal(await focused(page), "Formantwort_Textformel");
  await page.keyboard.type("0,000357*exp(5000/t)");
  await page.keyboard.press("Enter");
  assert.match(await box(page).locator("p").textContent(), /beträgt 0 %/);
  await page.keyboard.press("Enter");
  assert.equal(await focused(page), "Formantwort_Textformel");
  assert.equal(await page.getAttribute(id("Textformel"), "aria-label"), "alpha in 1/K");
  await page.keyboard.type("-0,0578");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Enter");
  assert.equal(await focused(page), "Formantwort_Commanddruck");
  // Escape is the close box: asked about the unprinted report, then the points.
  await page.keyboard.press("Escape");
  assert.match(await box(page).locator("p").textContent(), /weder gedruckt noch gespeichert/);
  await page.keyboard.press("Enter");
  assert.match(await box(page).locator("p").textContent(), / 10 von 10 Punkten erreicht$/);
  await page.keyboard.press("Enter");
  assert.equal(await page.evaluate(() => document.getElementById("kora").contains(document.activeElement)), true);
  assert.deepEqual(faults, []);
  await page.close();
});

test("axe-core finds no violation at any step of the evaluation", async () => {
  // axe waits on timers of its own: the page's clock runs freely here.
  const { page, faults } = await open(browser, pageUrl());
  await page.addScriptTag({ path: axePath });
  const check = async (where) => assert.deepEqual(await page.evaluate(async () =>
    (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`)),
  [], where);
  await page.keyboard.press("Space");
  await page.click("#Command1");
  await check("the type asked");
  await page.selectOption(id("Listsensoren"), { index: 0 });
  await page.click(id("Command1"));
  await page.type(id("Textformel"), "0,000357*exp(5000/t)=");
  await check("the equation asked, a slip named");
  await page.press(id("Textformel"), "Enter");
  await check("the curves with their verdict");
  await answer(page);
  await check("alpha asked");
  await page.press(id("Textformel"), "Enter");
  await answer(page);
  await check("the final view");
  await page.click(id("Commanddruck"));
  await check("who prints the report");
  await page.keyboard.press("Escape");
  await page.click(id("close"));
  await check("the close question");
  assert.deepEqual(faults, []);
  await page.close();
});

// The report printed as the browser prints it: to PDF with the print media.
async function printed(page) {
  await page.evaluate(() => {
    window.printed = 0;
    window.print = () => window.printed++;
  });
  if (await page.evaluate(() => Boolean(window.kora.student))) {
    // A signed-in student is not asked: the report names who signed in.
    await page.click(id("Commandspeichern"));
  } else {
    // Who prints it is asked before the first print; "Abbrechen" prints nothing.
    await page.click(id("Commanddruck"));
    await page.click("#Dialogstudent button[type=button]");
    assert.equal(await page.evaluate(() => window.printed), 0, "cancelled");
    await page.click(id("Commandspeichern"));
    await page.fill("#Textname", "  Erika   Muster ");
    await page.fill("#Textmatrikel", "123456");
    await page.keyboard.press("Enter");
  }
  await page.click(id("Commanddruck"));
  assert.equal(await page.evaluate(() => window.printed), 2, "printed twice, asked once");
  await page.evaluate(() => window.kora.bench.evaluation.report.prepare());
  await page.emulateMedia({ media: "print" });
  const pdf = join(dir, "report.pdf");
  writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
  await page.emulateMedia({ media: "screen" });
  const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync("pdfinfo", [pdf], { encoding: "utf8" }))[1]);
  return { pages, text: execFileSync("pdftotext", ["-layout", pdf, "-"], { encoding: "utf8" }) };
}

async function answerAll(exam) {
  // An exam signs the student in first, as on the desktop.
  const { page: p, faults } = await open(browser, await coursePage(0, exam), { held: true, ready: exam ? "signin" : "true" });
  if (exam) {
    await p.fill("#Formanmeldung_TextName", "Erika Muster");
    await p.fill("#Formanmeldung_TextMatrikel", "123456");
    await p.press("#Formanmeldung_TextMatrikel", "Enter");
    await p.waitForSelector("body[data-ready=true]", { state: "attached" });
  }
  await p.keyboard.press("Space");
  await p.click("#Command1");
  await p.selectOption(id("Listsensoren"), { index: 0 });
  await p.click(id("Command1"));
  await p.type(id("Textformel"), "0,000357*exp(5000/t)");
  await p.press(id("Textformel"), "Enter");
  await answer(p);
  await p.fill(id("Textformel"), "");
  await p.type(id("Textformel"), "-0,0578");
  await p.press(id("Textformel"), "Enter");
  await answer(p);
  return { page: p, faults };
}

test("the report prints on one A4 page; an exam's leaves the right answers out", async () => {
  for (const exam of [false, true]) {
    const { page, faults } = await answerAll(exam);
    const { pages, text } = await printed(page);
    assert.equal(pages, 1, `one page (exam ${exam})`);
    assert.match(text, /Punktzahl = 10 von 10/);
    assert.match(text, /Name: Erika Muster +Matrikelnummer: 123456/);
    assert.match(text, /f\(T\) = 0\.000357\*EXP\(5000\/T\)/);
    assert.match(text, /Eingabe: -0\.0578/);
    assert.equal(/R\/Ohm = 0,000357\*exp\(5000\/T\)/.test(text), !exam, "the right equation");
    assert.equal(/alpha = -0,058/.test(text), !exam, "the right alpha");
    assert.equal(/NTC-Widerstand/.test(text), !exam, "the type");
    // Printed: closing asks nothing about the report.
    await page.click(id("close"));
    assert.match(await answer(page), / 10 von 10 Punkten erreicht$/);
    assert.deepEqual(faults, []);
    await page.close();
  }
});

test("?sprache=en words the evaluation from translations/kora_en.ts", async () => {
  const en = catalogueOf(readFileSync(join(root, "translations/kora_en.ts"), "utf8"));
  const { page, faults } = await open(browser, `${pageUrl()}?sprache=en`, { allowed: [pageUrl()], held: true });
  await page.keyboard.press("Space");
  await page.click("#Command1");
  const said = en["evaluation::Formantwort"];
  assert.equal((await page.textContent(id("Labelmeldung"))).split("\n")[0], said["So, Sie glauben also, fertig zu sein."]);
  assert.equal(await page.textContent(`${id("Listsensoren")} option`), en["configreport::TypeName"]["NTC-Widerstand"]);
  assert.equal(await page.getAttribute(id("Listsensoren"), "aria-label"), said["Sensortypen"]);
  await page.click(id("close"));
  assert.deepEqual(await box(page).locator("button").allTextContents(), [said["Schließen"], said["Weiter auswerten"]]);
  assert.deepEqual(faults, []);
  await page.close();
});
