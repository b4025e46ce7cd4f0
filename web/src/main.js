// The page's start: the language, the teacher's file (from the page itself,
// or over http(s) beside the page), the core module, the bench and its clock.

import { BenchWindow } from "./bench.js";
import { startClock } from "./clock.js";
import { chooseLanguage, tr } from "./words.js";

async function teachersFile(core) {
  const inPage = document.getElementById("cmmup.dlx");
  // The element holds the file escaped so that nothing in it ends the element.
  if (inPage) return core.fileFromElement(inPage.textContent);
  if (!/^https?:$/.test(location.protocol)) return "";
  try {
    const answer = await fetch("cmmup.dlx", { cache: "no-store" });
    return answer.ok ? await answer.text() : "";
  } catch {
    return "";
  }
}

async function start() {
  const catalogues = JSON.parse(document.getElementById("kora-catalogues").textContent);
  document.documentElement.lang = chooseLanguage(location.search, catalogues);
  document.title = tr("ui::Services", document.title);
  document.getElementById("kora-title").textContent = document.title;
  const core = await createKoraCore();
  const file = await teachersFile(core);
  const bench = new BenchWindow(core, file, document.getElementById("kora"));
  startClock((count) => bench.ticks(count));
  // For the tests and the benchmark: the same actions the controls send.
  window.kora = { bench, core };
  document.body.dataset.ready = "true";
  // The moment the task page stands, for the benchmark.
  performance.mark("kora-task-page");
}

start();
