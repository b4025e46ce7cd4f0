// The teacher's page's start: the language, the core module, the texts of
// the page from the same catalogue, and the four sections.

import { chooseLanguage, tr } from "../words.js";
import { onDroppedOrChosen } from "./files.js";
import { showCheck } from "./check.js";
import { showKeys } from "./key.js";
import { offerCoursePage } from "./course.js";

async function startTeacherPage() {
  const catalogues = JSON.parse(document.getElementById("kora-catalogues").textContent);
  document.documentElement.lang = chooseLanguage(location.search, catalogues);
  const core = await createKoraCore();
  const { context, texts } = core.teacherPageTexts();
  const words = (id) => tr(context, texts[id]);
  for (const element of document.querySelectorAll("[data-text]")) element.textContent = words(element.dataset.text);
  document.title = words("title");
  // The lab page without its core module: the same module stands in this page.
  const coreText = document.getElementById("kora-core").textContent;
  const lab = JSON.parse(document.getElementById("kora-lab").textContent).replace("@CORE@", () => coreText);
  const byId = (id) => document.getElementById(`Formlehrer_${id}`);
  let file = null;
  onDroppedOrChosen(byId("pruefen"), byId("datei"), (chosen) => {
    file = chosen;
    showCheck(byId("bericht"), file, core);
  });
  const numbers = () => core.matrikelList(byId("matrikel").value);
  const keys = () => {
    if (file) showKeys(byId("liste"), file, core, numbers(), words);
    else byId("liste").textContent = words("nofile");
  };
  onDroppedOrChosen(byId("schluessel"), byId("csv"), (list) => {
    byId("matrikel").value = list.text;
    keys();
  });
  byId("zeigen").addEventListener("click", keys);
  byId("drucken").addEventListener("click", () => {
    document.body.classList.add("drucke-schluessel");
    window.print();
    document.body.classList.remove("drucke-schluessel");
  });
  byId("kursseite").addEventListener("click", () => offerCoursePage(core, lab, file, byId("kursbericht"), words));
  // The grades come as a module of their own when the page has one.
  if (typeof mountGrades === "function") {
    byId("noten_platzhalter").remove();
    mountGrades(byId("noten"), core, tr);
  }
  window.kora = { core, words, file: () => file };
  document.body.dataset.ready = "true";
}

startTeacherPage();
