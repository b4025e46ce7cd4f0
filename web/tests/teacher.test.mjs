// The teacher's page as a teacher uses it, in Debian's Chromium: a file
// chosen gives the report of the native `kora --check-config`, the answer key
// that of `--check-config --matrikel`, and the course page downloaded is the
// one `kora --web` writes, which opened reads the file inside it and draws
// the answer key's variant.

import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createRequire } from "node:module";
import { launch, open, pageUrl, root } from "./browser.mjs";
import { catalogueOf } from "../catalogue.mjs";

const teacherPage = process.env.KORA_TEACHER_PAGE || join(root, "build/web/kora-lehrer.html");
const kora = process.env.KORA_EXE || join(root, "build/default/src/app/kora");
const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const en = catalogueOf(readFileSync(join(root, "translations/kora_en.ts"), "utf8"));

// The teacher's files: one with slips, one for a course with sign-in and
// personal variants.
const files = {
  slip: "Kurs mit Tippfehlern\nsensor:nr=9:off\nbasic:u=12,5:x:t=25\ntyp0:a=rand(0.0003,0.0004):b=0:ntc:5\n" +
    "varianten:schluessel=ws2026\n",
  course: "anmeldung:pflicht\nvariante:schluessel=ws2026\nsensor:nr=randint(0,6):off\n" +
    "basic:u=randint(5,15):r=0:t=randint(20,40)\n",
};
const students = ["4711001", "4711-002", "0815"];

let browser;
let dir;
before(async () => {
  for (const path of [teacherPage, kora])
    if (!existsSync(path)) throw new Error(`${path} fehlt: scripts/web und cmake --build build/default --target kora`);
  browser = await launch();
  dir = mkdtempSync(join(tmpdir(), "kora-lehrer-"));
  for (const [name, text] of Object.entries(files)) writeFileSync(join(dir, `${name}.dlx`), text);
});
after(() => {
  rmSync(dir, { recursive: true, force: true });
  return browser?.close();
});

// The native program in the folder of the files, as the teacher calls it.
function native(args) {
  const run = spawnSync(kora, args, { cwd: dir, encoding: "utf8", env: { ...process.env, LC_ALL: "C.UTF-8" } });
  return { status: run.status, out: run.stdout, err: run.stderr };
}

async function teacher(query = "") {
  const { page, faults } = await open(browser, pageUrl(teacherPage) + query, { allowed: [pageUrl(teacherPage)] });
  return { page, faults };
}

const choose = (page, name) => page.setInputFiles("#Formlehrer_datei", join(dir, `${name}.dlx`));

test("a file with slips: the reasons of kora --check-config, and no course page", async () => {
  const { page, faults } = await teacher();
  await choose(page, "slip");
  const expected = native(["--check-config", "slip.dlx"]);
  assert.equal(expected.status, 1);
  await page.waitForFunction(() => document.getElementById("Formlehrer_bericht").dataset.status);
  assert.equal(await page.textContent("#Formlehrer_bericht"), expected.out);
  let downloads = 0;
  page.on("download", () => downloads++);
  await page.click("#Formlehrer_kursseite");
  const refused = await page.textContent("#Formlehrer_kursbericht");
  assert.ok(refused.endsWith(expected.out), refused);
  assert.match(refused, /^Die Lehrerdatei hat Fehler/);
  // kora --web refuses it alike and writes nothing.
  const web = native(["--web", "kurs.html", "--config", "slip.dlx"]);
  assert.equal(web.status, 1);
  assert.ok(web.err.startsWith(expected.out));
  assert.equal(existsSync(join(dir, "kurs.html")), false);
  assert.equal(downloads, 0);
  assert.deepEqual(faults, []);
  await page.close();
});

test("a course file: the answer key of --matrikel, and the course page of kora --web that draws it", async () => {
  const { page, faults } = await teacher();
  await choose(page, "course");
  await page.waitForFunction(() => document.getElementById("Formlehrer_bericht").dataset.status === "0");
  assert.equal(await page.textContent("#Formlehrer_bericht"), native(["--check-config", "course.dlx"]).out);
  // A list pasted: each number's key as the native answer key gives it.
  await page.fill("#Formlehrer_matrikel", `Matrikelnummer\n${students.join("\n")}\n`);
  await page.click("#Formlehrer_zeigen");
  const keys = await page.$$eval("#Formlehrer_liste article", (blocks) =>
    blocks.map((b) => ({ matrikel: b.dataset.matrikel, text: b.querySelector("pre").textContent })));
  assert.deepEqual(keys.map((k) => k.matrikel), students);
  for (const k of keys) {
    const expected = native(["--check-config", "--matrikel", k.matrikel, "course.dlx"]);
    assert.equal(k.text, expected.status === 2 ? expected.err : expected.out, k.matrikel);
  }
  // The course page: byte for byte what kora --web writes from the same lab page.
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#Formlehrer_kursseite")]);
  assert.equal(download.suggestedFilename(), "kora-kurs.html");
  const saved = join(dir, "kora-kurs.html");
  await download.saveAs(saved);
  const web = native(["--web", "web-kurs.html", "--config", "course.dlx"]);
  assert.equal(web.status, 0, web.err);
  assert.ok(readFileSync(saved).equals(readFileSync(join(dir, "web-kurs.html"))));
  assert.deepEqual(faults, []);
  await page.close();

  // Opened, the course page reads the file inside it (the sensor choice is
  // hidden) and a student's number draws the variant of the answer key.
  const course = await open(browser, pageUrl(saved), { ready: "signin" });
  await course.page.fill("#Formanmeldung_TextName", "Anna Muster");
  await course.page.fill("#Formanmeldung_TextMatrikel", students[0]);
  await course.page.click("#Formanmeldung_CommandOK");
  await course.page.waitForSelector("body[data-ready=true]", { state: "attached" });
  const drawn = await course.page.evaluate(([file, id]) => {
    const { core } = window.kora;
    const inside = core.fileFromElement(document.getElementById("cmmup.dlx").textContent);
    const lab = new core.Lab(inside, id, "ws2026", ",");
    const s = lab.state();
    lab.delete();
    return { same: inside === file, sensortyp: s.sensortyp, uquelle: s.uquelle, tsoll: s.tsoll,
      choiceHidden: document.getElementById("Framesensor").closest("[hidden]") !== null };
  }, [files.course, students[0]]);
  const key = keys[0].text;
  assert.deepEqual(drawn, { same: true, sensortyp: Number(/\nSensor: (\d+) /.exec(key)[1]),
    uquelle: Number(/\nQuellenspannung: (\S+) V/.exec(key)[1]),
    tsoll: Number(/\nThermostat-Sollwert: (\S+) °C/.exec(key)[1]), choiceHidden: true });
  assert.deepEqual(course.faults, []);
  await course.page.close();
});

test("English from the same catalogue, the same as kora --sprache en", async () => {
  const { page, faults } = await teacher("?sprache=en");
  assert.equal(await page.getAttribute("html", "lang"), "en");
  assert.equal(await page.textContent("#Formlehrer_title"), en["lehrer::Formlehrer"]["KORA - Seite für Lehrende"]);
  await choose(page, "slip");
  await page.waitForFunction(() => document.getElementById("Formlehrer_bericht").dataset.status);
  assert.equal(await page.textContent("#Formlehrer_bericht"),
    native(["--sprache", "en", "--check-config", "slip.dlx"]).out);
  assert.deepEqual(faults, []);
  await page.close();
});

test("axe-core finds no violation on the teacher's page, empty and with a report and the keys of a CSV file", async () => {
  const { page, faults } = await teacher();
  await page.addScriptTag({ path: axePath });
  const violations = () => page.evaluate(async () =>
    (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`));
  assert.deepEqual(await violations(), [], "empty");
  await choose(page, "course");
  // The numbers from a CSV file, as a course list exports them.
  const names = ["Anna Berg", "Ben Ott", "Cem Yıldız"];
  const csv = students.map((m, i) => `${names[i]};${m}\r\n`).join("");
  writeFileSync(join(dir, "kurs.csv"), `Name;Matrikelnummer\r\n${csv}`);
  await page.setInputFiles("#Formlehrer_csv", join(dir, "kurs.csv"));
  await page.waitForFunction((n) => document.querySelectorAll("#Formlehrer_liste article").length === n, students.length);
  await page.click("#Formlehrer_kursseite");
  assert.deepEqual(await violations(), [], "filled");
  assert.deepEqual(faults, []);
  await page.close();
});
