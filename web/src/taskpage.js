// The task page: the assignment's lines at their places on the surface that
// covers the bench until the student starts. It is a button, so a click,
// Space and Enter start the experiment as on the desktop.

import { tr } from "./words.js";

export function fillTaskPage(button, lines, context) {
  button.classList.add("taskpage");
  for (const line of lines) {
    const span = document.createElement("span");
    span.className = line.red ? "line red" : "line";
    span.style.setProperty("--l", line.left);
    span.style.setProperty("--t", line.top);
    span.style.setProperty("--pt", line.points);
    span.textContent = tr("TaskPage", line.text);
    button.append(span);
  }
  const hint = document.createElement("span");
  hint.id = `${button.id}-hint`;
  hint.className = "hidden";
  hint.textContent = tr(context, "Ein Klick, die Leertaste oder die Eingabetaste startet das Experiment.");
  button.append(hint);
  button.setAttribute("aria-describedby", hint.id);
}
