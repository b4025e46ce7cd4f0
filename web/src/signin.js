// The sign-in before the bench, as the desktop's dialog: name and
// Matrikelnummer in boxes named for a screen reader, the line that says
// what is still missing, OK only for complete entries. The lab's sign-in
// checks every keystroke; the page shows what it says.

import { tr, worded } from "./words.js";

// The label's "&" marks the key that reaches its box with Alt, as on the desktop.
function mnemonic(text) {
  const i = text.indexOf("&");
  return i < 0 ? { text, key: "" } : { text: text.slice(0, i) + text.slice(i + 1), key: text[i + 1].toLowerCase() };
}

export function signIn(core, digits, root) {
  const design = core.signInDesign();
  const context = design.context;
  const lab = new core.SignIn(digits);
  const dialog = document.createElement("div");
  dialog.id = "Formanmeldung";
  dialog.className = "dialog";
  dialog.setAttribute("role", "dialog");
  dialog.setAttribute("aria-modal", "true");
  dialog.setAttribute("aria-labelledby", "Formanmeldung_title");
  const title = document.createElement("h2");
  title.id = "Formanmeldung_title";
  title.textContent = document.title + tr(context, " - Anmeldung");
  dialog.append(title);
  const el = {};
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  for (const row of design.controls) {
    const id = `Formanmeldung_${row.name}`;
    let e;
    if (row.kind === "textbox") {
      e = document.createElement("input");
      e.type = "text";
      e.autocomplete = "off";
      e.maxLength = design.lengths[row.name];
    } else if (row.kind === "button") {
      e = document.createElement("button");
      e.type = "button";
      e.textContent = tr(context, row.text);
      buttons.append(e);
    } else if (row.name === "Labelhinweis") {
      e = document.createElement("output");
      e.setAttribute("aria-live", "polite");
    } else if (row.name === "Labelintro") {
      e = document.createElement("p");
      e.textContent = tr(context, row.text);
    } else {
      e = document.createElement("label");
      const { text, key } = mnemonic(tr(context, row.text));
      e.textContent = text;
      e.dataset.key = key;
    }
    e.id = id;
    if (row.accessibleName) e.setAttribute("aria-label", tr(context, row.accessibleName));
    el[row.name] = e;
    if (row.kind !== "button") dialog.append(e);
  }
  dialog.append(buttons);
  // Each label names the box after it and lends it its Alt key.
  for (const [label, box] of [["Labelname", "TextName"], ["Labelmatrikel", "TextMatrikel"]]) {
    el[label].htmlFor = el[box].id;
    if (el[label].dataset.key) el[box].accessKey = el[label].dataset.key;
  }
  const expected = document.createElement("span");
  expected.id = "Formanmeldung_expected";
  expected.className = "hidden";
  expected.textContent = worded(context, lab.expected());
  dialog.append(expected);
  el.TextMatrikel.setAttribute("aria-describedby", expected.id);
  el.CommandOK.setAttribute("aria-describedby", el.Labelhinweis.id);

  const check = () => {
    lab.setName(el.TextName.value);
    lab.setMatrikel(el.TextMatrikel.value);
    const missing = lab.missing();
    el.Labelhinweis.textContent = missing ? worded(context, missing) : "";
    el.CommandOK.disabled = !lab.okEnabled();
  };
  el.TextName.addEventListener("input", check);
  el.TextMatrikel.addEventListener("input", check);
  check();
  root.append(dialog);
  el.TextName.focus();

  return new Promise((signedIn) => {
    const ok = () => {
      if (!lab.okEnabled()) return;
      const student = { name: lab.name(), matrikel: lab.matrikel() };
      lab.delete();
      dialog.remove();
      signedIn(student);
    };
    el.CommandOK.addEventListener("click", ok);
    dialog.addEventListener("keydown", (e) => {
      if (e.key === "Enter" && e.target.tagName === "INPUT") ok();
    });
    // A page cannot close its window as the desktop's program ends: the
    // entries go, and the dialog waits for the next student.
    el.CommandAbbrechen.addEventListener("click", () => {
      el.TextName.value = "";
      el.TextMatrikel.value = "";
      check();
      el.TextName.focus();
    });
  });
}
