// Who prints the report: asked once before the first print where nobody
// signed in, as on the desktop; both answers are optional, and "Abbrechen"
// prints nothing.

import { tr } from "./words.js";

export function askStudent(words, known, onAnswer) {
  const back = document.activeElement;
  const word = (key) => tr(words.context, words[key]);
  const dialog = document.createElement("div");
  const form = document.createElement("form");
  dialog.id = "Dialogstudent";
  dialog.className = "message";
  dialog.setAttribute("role", "dialog");
  dialog.setAttribute("aria-modal", "true");
  dialog.setAttribute("aria-labelledby", "Dialogstudent-intro");
  const intro = document.createElement("p");
  intro.id = "Dialogstudent-intro";
  intro.textContent = word("intro");
  dialog.append(intro);
  const field = (id, key, value, length) => {
    const label = document.createElement("label");
    label.className = "field";
    const input = document.createElement("input");
    input.id = id;
    input.value = value;
    input.maxLength = length;
    input.autocomplete = "off";
    label.append(`${word(key)} `, input);
    form.append(label);
    return input;
  };
  const name = field("Textname", "name", known.name, 80);
  const matrikel = field("Textmatrikel", "matrikel", known.matrikel, 30);
  const done = (answer) => {
    dialog.remove();
    if (back && back.isConnected) back.focus();
    onAnswer(answer);
  };
  const simplified = (text) => text.trim().replace(/\s+/g, " ");
  const ok = document.createElement("button");
  ok.type = "submit";
  ok.textContent = word("print");
  const cancel = document.createElement("button");
  cancel.type = "button";
  cancel.textContent = word("cancel");
  cancel.addEventListener("click", () => done(null));
  form.addEventListener("submit", (e) => {
    e.preventDefault();
    done({ name: simplified(name.value), matrikel: simplified(matrikel.value) });
  });
  dialog.addEventListener("keydown", (e) => {
    if (e.key !== "Escape") return;
    e.preventDefault();
    e.stopPropagation();
    done(null);
  });
  form.append(ok, cancel);
  dialog.append(form);
  document.body.append(dialog);
  name.focus();
}
