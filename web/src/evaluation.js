// The evaluation window: the lab's evaluation on the bench's experiment,
// behind the design's controls (ids "Formantwort_<name>"). The student's
// steps go to the lab as they are; the view, the boxes it raises (each shown
// over the view it was raised in), the focus and the curves come back and
// are drawn as they are. The window stands over the bench, which takes no
// input while it is open, as on the desktop.

import { buildControl } from "./controls.js";
import { EvaluationPlot } from "./evaluationplot.js";
import { showMessage } from "./message.js";
import { ReportPrinter } from "./evaluationreport.js";
import { tr, worded } from "./words.js";

const evaluationPrefix = "Formantwort_";

export class EvaluationWindow {
  constructor(core, bench, onClosed) {
    this.design = core.evaluationDesign();
    this.context = this.design.context;
    this.onClosed = onClosed;
    const names = core.sensorNames(bench);
    const word = (forms) => forms.map((f) => worded(names.context, f));
    this.lab = new core.Evaluation(bench, { shown: word(names.shown), withArticle: word(names.withArticle) });
    this.elements = new Map();
    this.outer = new Map();
    this.shown = null;
    this.build();
    this.report = new ReportPrinter(this.lab, this.design, this.plot);
    this.lab.Form_Load();
    this.update();
  }

  build() {
    const images = JSON.parse(document.getElementById("kora-images").textContent);
    const win = document.createElement("section");
    win.id = "Formantwort";
    win.className = "window evaluation";
    win.setAttribute("role", "dialog");
    win.setAttribute("aria-modal", "true");
    win.setAttribute("aria-labelledby", `${evaluationPrefix}title`);
    const title = document.createElement("h2");
    title.id = `${evaluationPrefix}title`;
    title.className = "hidden";
    title.textContent = tr(this.context, this.design.title);
    const close = document.createElement("button");
    close.type = "button";
    close.id = `${evaluationPrefix}close`;
    close.className = "close";
    close.textContent = "×";
    close.setAttribute("aria-label", tr(this.context, this.design.close));
    close.addEventListener("click", () => this.close());
    win.append(title);
    const rows = [...this.design.controls, this.design.saveButton];
    rows.forEach((row, z) => {
      const { outer, inner } = this.control(row, images);
      outer.style.zIndex = z;
      inner.id = evaluationPrefix + row.name;
      outer.hidden = !row.visible;
      this.elements.set(row.name, inner);
      this.outer.set(row.name, outer);
      (row.parent ? this.elements.get(row.parent) : win).append(outer);
    });
    win.append(close);
    win.addEventListener("keydown", (e) => {
      if (e.key === "Escape") {
        e.preventDefault();
        this.close();
      }
    });
    this.window = win;
    document.body.append(win);
  }

  // The list is a list box, the answer box a text box, the plot a picture
  // of its own; the other kinds as the bench builds them.
  control(row, images) {
    const el = (tag) => {
      const made = document.createElement(tag);
      made.classList.add("c", `kind-${row.kind}`, `face-${row.face}`);
      if (row.bold) made.classList.add("bold");
      for (const [name, v] of [["--l", row.left], ["--t", row.top], ["--w", row.width], ["--h", row.height],
                               ["--pt", row.points]])
        made.style.setProperty(name, v);
      if (row.accessibleName) made.setAttribute("aria-label", tr(this.context, row.accessibleName));
      return made;
    };
    if (row.kind === "list") {
      const list = el("select");
      list.size = 7;
      list.addEventListener("change", () => this.act(() => this.lab.Listsensoren_Click(list.selectedIndex)));
      // Enter in the list is OK, once there is a choice to confirm.
      list.addEventListener("keydown", (e) => {
        if (e.key !== "Enter") return;
        e.preventDefault();
        if (list.selectedIndex >= 0) this.act(() => this.lab.Command1_Click());
      });
      return { outer: list, inner: list };
    }
    if (row.kind === "textbox") {
      const box = el("input");
      box.type = "text";
      box.autocomplete = "off";
      box.spellcheck = false;
      box.addEventListener("beforeinput", (e) => this.typed(e, box));
      box.addEventListener("input", () => this.lab.setText(box.value));
      box.addEventListener("keydown", (e) => {
        if (e.key !== "Enter") return;
        e.preventDefault();
        this.curvesDue = this.lab.view().schritt === 3;
        this.act(() => this.lab.Textformel_KeyPress(13, box.value));
      });
      return { outer: box, inner: box };
    }
    if (row.name === "Picture1") {
      this.plot = new EvaluationPlot(row, this.design, images);
      const holder = el("div");
      // The picture inside carries the name.
      holder.removeAttribute("aria-label");
      holder.append(this.plot.svg);
      return { outer: holder, inner: holder };
    }
    const made = buildControl(row, { context: this.context, images, send: () => {} });
    if (row.name === "Command1") made.inner.addEventListener("click", () => this.act(() => this.lab.Command1_Click()));
    if (row.name === "Commanddruck") made.inner.addEventListener("click", () => this.print());
    if (row.name === "Commandspeichern") {
      // The page's own button: not in the lab's view, its caption stays.
      made.inner.textContent = tr(this.context, row.text);
      made.inner.addEventListener("click", () => this.print());
    }
    return made;
  }

  // Each typed character as the box's key handler takes it: changed (a
  // comma becomes the point, a small letter a capital) or dropped.
  typed(e, box) {
    if (e.inputType !== "insertText" || !e.data) return;
    e.preventDefault();
    for (const ch of e.data) {
      const key = this.lab.Textformel_KeyPress(ch.charCodeAt(0), box.value);
      if (key !== 0) box.setRangeText(String.fromCharCode(key), box.selectionStart, box.selectionEnd, "end");
      this.lab.setText(box.value);
    }
    this.render(this.lab.view().controls);
  }

  act(step) {
    step();
    this.update();
  }

  // The boxes one after the other, each over the view it was raised in,
  // the window taking no input while one is open; then the view as it
  // stands, and the keyboard where the lab sends it.
  update() {
    const boxes = this.lab.boxes();
    const back = document.activeElement;
    const next = () => {
      const box = boxes.shift();
      if (!box) {
        this.window.inert = false;
        this.render(this.lab.view().controls);
        const focus = this.lab.focus();
        if (focus) this.elements.get(focus).focus();
        else if (back && back.isConnected) back.focus();
        return;
      }
      this.render(box.controls);
      this.drawCurves();
      let text = box.text.map((f) => this.line(f)).join("\n");
      if (box.reason.length) text += `\n${box.reason.map((f) => worded(this.design.reasonsContext, f)).join("")}`;
      this.window.inert = true;
      const shown = showMessage(text, next);
      if (box.besidePlot) shown.classList.add("beside-plot");
    };
    next();
  }

  // The curves are drawn once the plot is in sight, before its verdict.
  drawCurves() {
    if (!this.curvesDue) return;
    this.curvesDue = false;
    const c = this.lab.comparison();
    if (c) this.plot.draw(c, tr(this.context, this.design.plot.deviation).replace("%1", this.lab.report().abweichung));
  }

  line(form) {
    return form.key === "" ? "" : worded(this.context, form);
  }

  render(controls) {
    for (const [name, c] of Object.entries(controls)) {
      const el = this.elements.get(name);
      const was = this.shown && this.shown[name];
      const lines = JSON.stringify(c.lines);
      if (!was || was.text !== c.text || JSON.stringify(was.lines) !== lines) this.setText(name, el, c);
      if (!was || was.visible !== c.visible) this.outer.get(name).hidden = !c.visible;
    }
    // Beside "Ergebnisse drucken" as long as it stands.
    this.outer.get("Commandspeichern").hidden = !controls.Commanddruck.visible;
    this.shown = controls;
    this.describe(controls);
  }

  setText(name, el, c) {
    if (el.tagName === "SELECT") {
      const items = c.lines.map((f) => this.line(f));
      if ([...el.options].map((o) => o.text).join("\n") === items.join("\n")) return;
      el.replaceChildren(...items.map((t) => new Option(t)));
    } else if (el.tagName === "INPUT") {
      // A text the lab sets is selected, so that the answer typed replaces it.
      if (el.value !== c.text) {
        el.value = c.text;
        el.select();
      }
    } else if (el.tagName === "OUTPUT") {
      el.textContent = c.lines.length ? c.lines.map((f) => this.line(f)).join("\n")
        : c.words ? tr(this.context, c.text) : c.text;
    } else if (el.tagName === "BUTTON") el.textContent = c.words ? tr(this.context, c.text) : c.text;
  }

  // A screen reader names the answer box as the student sees it: by the
  // left-hand side before it, or by the unit asked for; the hint, a slip and
  // the message follow as its description. The list and the buttons carry
  // the message too, so that it is said when the keyboard arrives there.
  describe(controls) {
    const before = controls[controls.Labelglseite.visible ? "Labelglseite" : "Labelhinweis"];
    const box = this.elements.get("Textformel");
    if (before.visible && !before.words) box.setAttribute("aria-label", before.text);
    const parts = [];
    const hint = this.elements.get("Labelhinweis").textContent;
    if (controls.Labelhinweis.visible && hint && hint !== box.getAttribute("aria-label")) parts.push("Labelhinweis");
    if (controls.Labelkorrektur.visible) parts.push("Labelkorrektur");
    parts.push("Labelmeldung");
    box.setAttribute("aria-describedby", parts.map((n) => evaluationPrefix + n).join(" "));
    for (const name of ["Listsensoren", "Command1", "Commanddruck"])
      this.elements.get(name).setAttribute("aria-describedby", `${evaluationPrefix}Labelmeldung`);
  }

  print() {
    this.window.inert = true;
    this.report.print((printed) => {
      this.window.inert = false;
      if (printed) this.lab.reportKept();
    });
  }

  // The close box: asked where it matters, as on the desktop; then the
  // closing box with the points, and the bench goes on.
  close() {
    if (this.window.inert) return;
    const question = this.lab.closeQuestion();
    if (!question) return this.unload();
    this.window.inert = true;
    showMessage(question.text.map((f) => this.line(f)).join("\n"), (answer) => {
      this.window.inert = false;
      if (answer === 0) this.unload();
    }, [tr(this.context, question.yes), tr(this.context, question.no)]);
  }

  unload() {
    const box = this.lab.Form_Unload();
    this.window.remove();
    showMessage(box.text.map((f) => this.line(f)).join("\n"), () => this.onClosed(this));
  }
}
