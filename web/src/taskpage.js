// The task page: the assignment's lines at their places on the surface that
// covers the bench until the student starts. A click, Space and Enter start
// the experiment as on the desktop.

import { tr } from "./words.js";

export function fillTaskPage(page, lines, context) {
  page.classList.add("taskpage");
  for (const line of lines) {
    const span = document.createElement("span");
    span.className = line.red ? "line red" : "line";
    span.style.setProperty("--l", line.left);
    span.style.setProperty("--t", line.top);
    span.style.setProperty("--pt", line.points);
    span.textContent = tr("TaskPage", line.text);
    page.append(span);
  }
  const hint = document.createElement("span");
  hint.id = `${page.id}-hint`;
  hint.className = "hidden";
  hint.textContent = tr(context, "Ein Klick, die Leertaste oder die Eingabetaste startet das Experiment.");
  page.append(hint);
  page.setAttribute("aria-describedby", hint.id);
  page.addEventListener("keydown", (e) => {
    if (e.key !== " " && e.key !== "Enter") return;
    e.preventDefault();
    page.click();
  });
}
