// The page's start: the language, the teacher's file (from the page itself,
// or over http(s) beside the page), the core module, the bench and its clock.

import { BenchWindow } from "./bench.js";
import { startClock } from "./clock.js";
import { RecordKeeper } from "./record.js";
import { signIn } from "./signin.js";
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
  const core = await createKoraCore();
  const file = await teachersFile(core);
  // The course's lines come from the core, as the desktop reads them.
  const course = core.course(file);
  document.documentElement.lang = chooseLanguage(location.search, catalogues, course.language);
  document.title = tr("ui::Services", document.title);
  document.getElementById("kora-title").textContent = document.title;
  const root = document.getElementById("kora");
  let student = null;
  if (course.signIn) {
    document.body.dataset.ready = "signin";
    student = await signIn(core, course.digits, root);
  }
  const record = student ? await RecordKeeper.start(core, file, student) : null;
  const moments = {
    destroyed: () => record?.moment("zerstoert", bench.bench),
    evaluated: (evaluation) => record?.moment("ausgewertet", bench.bench, evaluation),
  };
  const bench = new BenchWindow(core, file, root, { matrikel: student?.matrikel }, moments);
  if (record) record.journalOf = () => bench.journal.journal.recordJournal();
  record?.moment("begonnen", bench.bench);
  addEventListener("pagehide", () => record?.end(bench.bench));
  startClock((count) => bench.ticks(count));
  // For the tests and the benchmark: the same actions the controls send.
  // The report prints the signed-in student's name and number.
  window.kora = { bench, core, record, student };
  document.body.dataset.ready = "true";
  // The moment the task page stands, for the benchmark.
  performance.mark("kora-task-page");
}

start();
