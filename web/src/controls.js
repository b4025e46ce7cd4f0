// The design's rows as real HTML controls: each carries its given name as
// its id and its accessible name as on the desktop, and stands at its place
// in twips (the stylesheet scales twips to the window). What a control does
// goes back to the bench through `send`; nothing here decides anything.

import { tr } from "./words.js";

function place(el, row) {
  el.classList.add("c", `kind-${row.kind}`, `face-${row.face}`);
  if (row.bold) el.classList.add("bold");
  for (const [name, v] of [["--l", row.left], ["--t", row.top], ["--w", row.width], ["--h", row.height],
                           ["--pt", row.points]])
    el.style.setProperty(name, v);
  return el;
}

function named(el, row, context) {
  if (row.accessibleName) el.setAttribute("aria-label", tr(context, row.accessibleName));
  if (row.toolTip) el.title = tr(context, row.toolTip);
  return el;
}

function button(id, text, label) {
  const b = document.createElement("button");
  b.type = "button";
  b.id = id;
  b.textContent = text;
  b.tabIndex = -1;
  b.setAttribute("aria-hidden", "true");
  b.setAttribute("aria-label", label);
  return b;
}

// An up-down: a spin button with its two arrows as buttons of their own for
// the mouse and the finger; the keyboard uses the arrow keys on the spin button.
function upDown(row, send) {
  const el = document.createElement("div");
  el.setAttribute("role", "spinbutton");
  el.tabIndex = 0;
  el.setAttribute("aria-valuemin", row.minimum);
  el.setAttribute("aria-valuemax", row.maximum);
  const vertical = row.kind === "updownv";
  const up = button(`${row.name}_up`, vertical ? "▲" : "▶", "+");
  const down = button(`${row.name}_down`, vertical ? "▼" : "◀", "-");
  up.addEventListener("click", () => send("nudge", row.name, 1));
  down.addEventListener("click", () => send("nudge", row.name, -1));
  if (vertical) el.append(up, down);
  else el.append(down, up);
  el.addEventListener("keydown", (e) => {
    const step = { ArrowUp: 1, ArrowRight: 1, ArrowDown: -1, ArrowLeft: -1 }[e.key];
    if (!step) return;
    e.preventDefault();
    send("nudge", row.name, step);
  });
  return el;
}

// The bypass switch: a switch button that draws its lever from the pivot
// to the moving end the view gives.
function leverSwitch(row) {
  const el = document.createElement("button");
  el.type = "button";
  el.setAttribute("role", "switch");
  const svgNs = "http://www.w3.org/2000/svg";
  const svg = document.createElementNS(svgNs, "svg");
  svg.setAttribute("viewBox", `0 0 ${row.width} ${row.height}`);
  svg.setAttribute("aria-hidden", "true");
  const line = document.createElementNS(svgNs, "line");
  line.id = "Line1";
  for (const [k, v] of [["x1", 180], ["y1", 540], ["x2", 45], ["y2", 0]]) line.setAttribute(k, v);
  svg.append(line);
  el.append(svg);
  return el;
}

function option(row, send, index) {
  const label = document.createElement("label");
  const input = document.createElement("input");
  input.type = "radio";
  input.name = "Option1";
  input.id = row.name;
  const text = document.createElement("span");
  label.append(input, text);
  input.addEventListener("change", () => input.checked && send("choose", "", index));
  return { outer: label, inner: input };
}

// Builds one control; returns the element that carries the id (inner) and
// the one placed on the window (outer).
export function buildControl(row, { context, images, send }) {
  let inner;
  switch (row.kind) {
    case "label":
      inner = document.createElement("output");
      break;
    case "updownv":
    case "updownh":
      inner = upDown(row, send);
      break;
    case "button":
      inner = document.createElement("button");
      inner.type = "button";
      break;
    case "toggle":
      inner = document.createElement("button");
      inner.type = "button";
      inner.setAttribute("aria-pressed", "false");
      break;
    case "option": {
      const { outer, inner: input } = option(row, send, Number(row.name.split("_")[1]));
      input.setAttribute("aria-label", tr(context, row.accessibleName));
      return { outer: place(outer, row), inner: input };
    }
    case "frame":
      inner = document.createElement("fieldset");
      break;
    case "surface":
      // The bypass switch is a switch; the task page a document that takes
      // a click, Space and Enter, as the desktop presents them.
      if (row.name === "Picture2") inner = leverSwitch(row);
      else {
        inner = document.createElement("div");
        inner.setAttribute("role", "document");
        inner.tabIndex = 0;
      }
      break;
    case "image":
    case "imagestretched":
      inner = document.createElement("img");
      inner.src = images[row.text] || "";
      inner.alt = tr(context, row.accessibleName || "");
      break;
    default:
      inner = document.createElement("div");
  }
  inner.id = row.name;
  named(inner, row, context);
  return { outer: place(inner, row), inner };
}
