// Builds the page as one file: the stylesheet, the modules, the core module
// (its wasm inside), the artwork as data addresses and the catalogue, so that
// it opens by double-click and from any server without a single request.
//   node web/build.mjs [--core kora_core.js] [--out kora.html] [--config cmmup.dlx] [--teacher kora-lehrer.html]
// With --config the teacher's file travels inside the page (a course page).
// With --teacher the teacher's page is built too, the lab page inside it as
// text for the course pages it writes; that text leaves out the core module,
// which the teacher's page has already, so that the core travels once.

import { existsSync, readFileSync, writeFileSync, mkdirSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { catalogueOf } from "./catalogue.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, "..");

// The modules in the order they need each other; the page runs them as one.
export const modules = ["words", "clock", "message", "taskpage", "controls", "journalcharts", "journal",
  "evaluationplot", "evaluationstudent", "evaluationreport", "evaluation", "bench", "signin", "record", "main"];

// The journal's charts: uPlot (MIT, about 50 KB), which draws on a canvas
// and needs neither eval nor a request, inlined from its npm package.
const chartLibrary = (require) => readFileSync(require.resolve("uplot/dist/uPlot.iife.min.js"), "utf8");
const chartStyle = (require) => readFileSync(require.resolve("uplot/dist/uPlot.min.css"), "utf8");
// The teacher's page's; the grades section joins when its module is there.
export const teacherModules = ["words", "lehrer/files", "lehrer/check", "lehrer/key", "lehrer/course", "lehrer/grades",
  "lehrer/main"].filter((name) => existsSync(join(here, "src", `${name}.js`)));

// Scripts and styles are inline, the wasm module is compiled from the
// page's own bytes, pictures are data addresses. connect-src 'self': over
// http(s) the teacher's file beside the page is the one thing fetched.
export const policy = "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval'; " +
  "style-src 'unsafe-inline'; img-src data:; connect-src 'self'; base-uri 'none'; form-action 'none'";

function argument(name, fallback) {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : fallback;
}

const dataUrl = (file) => {
  const type = file.endsWith(".svg") ? "image/svg+xml" : "image/png";
  return `data:${type};base64,${readFileSync(file).toString("base64")}`;
};

// Nothing inside may close the script element it stands in.
const inScript = (text) => text.replace(/<\/(script)/gi, "<\\/$1").replace(/<!--/g, "<\\!--");

function bundle(names) {
  return names.map((name) => {
    const text = readFileSync(join(here, "src", `${name}.js`), "utf8");
    return `// ${name}.js\n` + text.replace(/^import .*;\n/gm, "").replace(/^export /gm, "");
  }).join("\n");
}

export function build({ core, out, config, teacher }) {
  const require = createRequire(import.meta.url);
  const coreText = readFileSync(core, "utf8");
  return Promise.resolve(require(resolve(core))()).then((kora) => {
    const images = {};
    for (const row of [...kora.benchDesign().controls, ...kora.evaluationDesign().controls])
      if (row.kind.startsWith("image")) images[row.text] = dataUrl(join(root, "assets", row.text.replace(/^:\//, "")));
    // The evaluation plot's grid.
    images[":/plotgrid.svg"] = dataUrl(join(root, "assets", "plotgrid.svg"));
    const catalogues = { en: catalogueOf(readFileSync(join(root, "translations", "kora_en.ts"), "utf8")) };
    const parts = {
      CSP: policy,
      ICON: dataUrl(join(root, "assets", "kora.svg")),
      STYLE: [chartStyle(require), ...["kora.css", "evaluation.css"].map((f) => readFileSync(join(here, f), "utf8"))].join("\n"),
      CHARTS: inScript(chartLibrary(require)),
      IMAGES: inScript(JSON.stringify(images)),
      CATALOGUES: inScript(JSON.stringify(catalogues)),
      CORE: inScript(coreText),
      MODULES: inScript(bundle(modules)),
    };
    const lab = fill("index.html", parts);
    // The course page's one rule, the core's: the same as kora --web's.
    const page = config ? kora.coursePage(lab, readFileSync(config, "utf8")) : lab;
    mkdirSync(dirname(out), { recursive: true });
    writeFileSync(out, page);
    if (teacher) {
      const teachers = fill("lehrer.html", { ...parts, STYLE: readFileSync(join(here, "lehrer.css"), "utf8"),
        LAB: inScript(JSON.stringify(fill("index.html", { ...parts, CORE: undefined }))),
        MODULES: inScript(bundle(teacherModules)) });
      writeFileSync(teacher, teachers);
    }
    return out;
  });
}

const fill = (template, parts) =>
  readFileSync(join(here, template), "utf8").replace(/@([A-Z]+)@/g, (all, key) => parts[key] ?? all);

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  build({
    core: argument("--core", join(root, "build/wasm/src/wasm/kora_core.js")),
    out: argument("--out", join(root, "build/web/kora.html")),
    config: argument("--config", null),
    teacher: argument("--teacher", null),
  }).then((out) => console.log(out));
}
