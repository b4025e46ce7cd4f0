// The experiment window: the lab's bench behind the design's controls. The
// person's actions go to the bench as they are; the view that comes back is
// drawn as it is, and the messages are worded and shown.

import { buildControl } from "./controls.js";
import { EvaluationWindow } from "./evaluation.js";
import { JournalWindow } from "./journal.js";
import { fillTaskPage } from "./taskpage.js";
import { showMessage } from "./message.js";
import { phrased, tr, worded } from "./words.js";

// The readings that announce their change while focused.
const readings = ["Labelanz", "Labelsenstemp"];

export class BenchWindow {
  // `course`: {matrikel} of a signed-in student ({} without a sign-in);
  // `moments` hears the run's moments: destroyed(), evaluated(evaluation).
  constructor(core, teachersFile, root, course = {}, moments = {}) {
    this.core = core;
    this.design = core.benchDesign();
    this.context = this.design.context;
    this.moments = moments;
    this.bench = course.matrikel ? new core.Bench(teachersFile, ",", course.matrikel) : new core.Bench(teachersFile, ",");
    this.root = root;
    this.elements = new Map();
    this.shown = new Map();
    this.build();
    this.journal = new JournalWindow(core, document.body);
    this.render();
    this.elements.get("Picture1").focus();
    this.tell();
  }

  build() {
    const images = JSON.parse(document.getElementById("kora-images").textContent);
    const send = (kind, control, value) => this.send(kind, control, value);
    const window = document.createElement("div");
    window.id = "Formexp";
    window.className = "window";
    const placed = new Map();
    this.design.controls.forEach((row, z) => {
      const { outer, inner } = buildControl(row, { context: this.context, images, send });
      outer.style.zIndex = z;
      this.elements.set(row.name, inner);
      placed.set(row.name, { outer, row });
    });
    // The keyboard's way is the lab's: its controls come first in the
    // document, in its order (a group where its first member stands); the
    // others follow in the design's.
    const groupOf = (name) => placed.get(name).row.parent ?? name;
    const order = [...this.design.tabOrder.flatMap((n) => [groupOf(n), n]), ...this.design.controls.map((r) => r.name)];
    const done = new Set();
    for (const name of order) {
      if (done.has(name)) continue;
      done.add(name);
      const { outer, row } = placed.get(name);
      if (row.parent && !done.has(row.parent)) continue;
      const parent = row.parent ? this.elements.get(row.parent) : window;
      parent.append(outer);
    }
    for (const name of readings) {
      const out = this.elements.get(name);
      out.setAttribute("aria-live", "off");
      out.addEventListener("focus", () => out.setAttribute("aria-live", "polite"));
      out.addEventListener("blur", () => out.setAttribute("aria-live", "off"));
    }
    const page = this.elements.get("Picture1");
    page.style.setProperty("--l", this.design.taskPageLeft);
    page.style.setProperty("--t", this.design.taskPageTop);
    fillTaskPage(page, this.design.taskPage, this.context);
    // The page asks for a double click, and its start line lies over the
    // buttons: the second click of it must not land on the bench.
    page.addEventListener("click", (e) => {
      this.swallow = e.detail === 1;
      this.send("start");
    });
    document.addEventListener("click", (e) => {
      if (this.swallow && e.detail >= 2) {
        e.stopPropagation();
        e.preventDefault();
      }
      this.swallow = false;
    }, true);
    const circuit = this.elements.get("Image1");
    circuit.title = tr(this.context, "Spannungsquelle, Vorwiderstand und Sensor in Reihe; ein Schalter überbrückt den " +
      "Vorwiderstand, der Sensor sitzt im Thermostaten, das Voltmeter misst die Spannung am Sensor.");
    this.elements.get("UpDownVoltmeter").setAttribute("aria-description",
      tr(this.context, "Messbereich des Voltmeters wählen"));
    this.elements.get("Picture2").addEventListener("click", () => this.send("bypass"));
    const toggle = this.elements.get("ToggleButton1");
    toggle.addEventListener("click", () => this.send("selfheating", "", toggle.getAttribute("aria-pressed") === "true" ? 0 : 1));
    this.elements.get("Commandmessen").addEventListener("click", () => this.send("record"));
    this.elements.get("Command1").addEventListener("click", () => this.evaluate());
    this.elements.get("Commandprotokoll").addEventListener("click", () => this.journal.toggle());
    // The line that confirms each recorded row.
    const status = document.createElement("output");
    status.id = "Labelstatus";
    status.className = "c status";
    window.append(status);
    this.elements.set("Labelstatus", status);
    document.addEventListener("keydown", (e) => {
      if (e.ctrlKey && !e.altKey && (e.key === "m" || e.key === "M")) {
        e.preventDefault();
        this.send("record");
      }
    });
    this.root.append(window);
  }

  // One action of the person, then the view and the messages it brings.
  send(kind, control = "", value = 0) {
    const rows = this.bench.rowCount();
    if (kind === "nudge") this.bench.nudge(control, value);
    else if (kind === "tick") this.tickEach(value);
    else this.bench.act(kind, control, value);
    // A recorded row goes into the journal.
    if (this.bench.rowCount() > rows) this.recorded = this.journal.record(this.bench.rows().at(-1));
    this.render();
    this.tell();
    if (!this.gone && this.view.destroyed) {
      this.gone = true;
      this.moments.destroyed?.();
    }
  }

  // "Auswertung": the evaluation window over the bench, which takes no input
  // until it is closed; then the bench goes on as the lab says.
  evaluate() {
    this.send("evaluate");
    if (this.bench.view().enabled || this.evaluation) return;
    this.evaluation = new EvaluationWindow(this.core, this.bench, (closed) => {
      this.send("evaluationClosed");
      // The answers count even when the sensor went while they were given.
      this.moments.evaluated?.(closed.lab);
      const first = this.design.tabOrder.map((n) => this.elements.get(n))
        .find((el) => !el.disabled && !el.closest("[hidden]"));
      if (first) first.focus();
    });
  }

  // The ticks one by one, the journal sampling the displays after each,
  // as the desktop's timer does.
  tickEach(count) {
    for (let i = 0; i < Math.max(1, count); i++) {
      if (this.bench.view().destroyed) return;
      this.bench.act("tick", "", 1);
      this.journal.sample(this.bench.shown());
    }
  }

  ticks(count) {
    if (this.bench.view().destroyed) return;
    this.send("tick", "", count);
  }

  render() {
    const view = this.bench.view();
    this.view = view;
    for (const [name, c] of Object.entries(view.controls)) {
      const el = name === "Line1" ? document.getElementById("Line1") : this.elements.get(name);
      if (!el) continue;
      const was = this.shown.get(name);
      if (!was || was.text !== c.text || was.words !== c.words) this.setText(name, el, c);
      if (!was || was.value !== c.value) this.setValue(name, el, c);
      if (!was || was.enabled !== c.enabled) {
        if ("disabled" in el && el.tagName !== "OUTPUT") el.disabled = !c.enabled;
        el.toggleAttribute("aria-disabled", !c.enabled);
      }
      if (!was || was.visible !== c.visible) (el.closest(".c") || el).hidden = !c.visible;
      if (!was || was.colour !== c.colour) el.dataset.colour = c.colour;
      if (c.tip && (!was || JSON.stringify(was.tip) !== JSON.stringify(c.tip))) el.title = worded(this.context, c.tip);
      this.shown.set(name, c);
    }
    this.root.inert = !view.enabled;
    const pageUp = view.controls.Picture1.visible;
    if (pageUp !== this.pageUp) this.reach(pageUp);
  }

  // While the task page is up the keyboard reaches it alone, so that no key
  // changes a value nobody can see; afterwards the bench's controls, in the
  // lab's order, with the focus on the first of them.
  reach(pageUp) {
    this.pageUp = pageUp;
    for (const name of this.design.tabOrder) this.elements.get(name).tabIndex = pageUp ? -1 : 0;
    if (!pageUp) this.elements.get(this.design.tabOrder[0]).focus();
  }

  setText(name, el, c) {
    const text = c.words ? tr(this.context, c.text) : c.text;
    if (el.type === "radio") el.nextElementSibling.textContent = text;
    else if (el.tagName === "OUTPUT" || el.tagName === "BUTTON") {
      if (name !== "Picture1" && name !== "Picture2") el.textContent = text;
    }
  }

  setValue(name, el, c) {
    if (name === "Line1") el.setAttribute("x2", c.value);
    else if (el.getAttribute("role") === "spinbutton") {
      el.setAttribute("aria-valuenow", c.value);
      el.setAttribute("aria-valuetext", this.bench.positionText(name, c.value));
    } else if (el.type === "radio") el.checked = c.value === 1;
    else if (el.getAttribute("role") === "switch") el.setAttribute("aria-checked", String(c.value === 1));
    else if (el.hasAttribute("aria-pressed")) el.setAttribute("aria-pressed", String(c.value === 1));
  }

  closeBench() {
    const bench = document.getElementById("Formexp");
    bench.hidden = true;
    bench.inert = true;
    this.journal.open();
  }

  tell() {
    for (const form of this.bench.messages()) {
      if (form.key === this.design.messages.configProblems) {
        showMessage(this.bench.problemNotice().map(phrased).join("\n"));
      } else if (form.key === this.design.messages.rowRecorded) {
        // A recorded row is confirmed in the status line, not in a box,
        // with the number the journal gave it.
        const [nr, ...shown] = form.values;
        this.elements.get("Labelstatus").textContent =
          worded(this.context, { key: form.key, values: [this.recorded ?? nr, ...shown, ""] });
      } else if (form.key === this.design.messages.destroyed) {
        // The sensor is gone and with it the experiment: the bench closes
        // once the message is read, the journal stays to be saved.
        showMessage(worded(this.context, form), () => this.closeBench());
      } else showMessage(worded(this.context, form));
    }
  }
}
