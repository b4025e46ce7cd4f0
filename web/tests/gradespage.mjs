// The grades section alone on a page, for its tests and its benchmark where
// the teacher's page is not built: the words, the section's module and the
// core, inline under the teacher's page's policy.

import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { root } from "./browser.mjs";
import { catalogueOf } from "../catalogue.mjs";
import { policy } from "../build.mjs";

// The id the teacher's page gives the section.
export const section = "Formlehrer_noten";

export function sectionPage(file, core) {
  const strip = (name) =>
    readFileSync(join(root, "web/src", name), "utf8").replace(/^import .*;\n/gm, "").replace(/^export /gm, "");
  const catalogues = { en: catalogueOf(readFileSync(join(root, "translations/kora_en.ts"), "utf8")) };
  const inScript = (text) => text.replace(/<\/(script)/gi, "<\\/$1");
  writeFileSync(file, `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="${policy}"><title>KORA – Noten</title></head>
<body><main><section id="${section}"></section></main>
<script>${inScript(readFileSync(core, "utf8"))}</script>
<script type="module">${inScript(strip("words.js"))}
${inScript(strip("lehrer/grades.js"))}
const catalogues = ${inScript(JSON.stringify(catalogues))};
document.documentElement.lang = chooseLanguage(location.search, catalogues);
Promise.resolve(createKoraCore()).then((core) => {
  window.grades = mountGrades(document.getElementById("${section}"), core, tr);
  document.body.dataset.ready = "true";
});
</script></body></html>`);
  return file;
}
