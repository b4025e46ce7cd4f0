// The journal window: the rows the bench recorded, as a table, the
// characteristic of the measured points and the course over time, the CSV
// file to download and the rows kept in the browser's storage, so that a
// reload loses none. The rows, the cells, the file and the charts' series
// are the lab's; this only shows them.

import { JournalCharts } from "./journalcharts.js";
import { tr } from "./words.js";

// Where the rows stay between reloads of the page.
export const journalStore = "kora-journal";
const windowContext = "journal::Formprotokoll";

export class JournalWindow {
  constructor(core, root) {
    this.design = core.journalDesign();
    const words = [...this.design.columns, this.design.on, this.design.off, this.design.bypassed]
      .map((key) => tr(this.design.context, key));
    this.journal = new core.Journal(words, document.documentElement.lang === "de");
    this.build(root);
    this.charts = new JournalCharts(this.design.chartsContext, this.elements);
    this.restore();
  }

  el(tag, id, className) {
    const e = document.createElement(tag);
    if (id) e.id = `Formprotokoll_${id}`;
    if (className) e.className = className;
    return e;
  }

  build(root) {
    const t = (key) => tr(windowContext, key);
    const win = this.el("section", null, "journal");
    win.id = "Formprotokoll";
    win.hidden = true;
    win.setAttribute("role", "dialog");
    win.setAttribute("aria-labelledby", "Formprotokoll_title");
    const title = this.el("h2", "title");
    title.textContent = t("KORA - Temperatursensoren als Zweipol - Messprotokoll");
    const tools = this.el("div", null, "tools");
    const save = this.el("button", "Commandspeichern");
    save.type = "button";
    save.textContent = t("Speichern unter …");
    save.title = t("Das angezeigte Protokoll als CSV-Datei speichern");
    save.addEventListener("click", () => this.download());
    const close = this.el("button", "Commandschliessen");
    close.type = "button";
    close.textContent = t(this.design.close);
    close.addEventListener("click", () => this.close());
    tools.append(save, close);
    const scroller = this.el("div", null, "rows");
    const table = this.el("table", "Tableprotokoll");
    table.setAttribute("aria-label", t("Messprotokoll"));
    table.append(this.head(true), document.createElement("tbody"));
    scroller.append(table);
    const charts = this.el("div", null, "charts");
    const characteristic = this.el("div", "Chartkennlinie", "chart");
    const course = this.el("div", "Chartzeitverlauf", "chart");
    charts.append(characteristic, course);
    win.append(title, tools, scroller, charts);
    win.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.close();
    });
    // The journal's pages for the printed report: the characteristic and
    // the table, as the desktop prints them.
    const print = this.el("section", "print", "journal-print");
    print.setAttribute("aria-hidden", "true");
    print.hidden = true;
    const printTitle = document.createElement("h2");
    printTitle.textContent = tr("journal::Printout", "Messprotokoll");
    const printChart = this.el("div", "printkennlinie", "chart");
    const printTable = document.createElement("table");
    printTable.append(this.head(false), document.createElement("tbody"));
    print.append(printTitle, printChart, printTable);
    root.append(win);
    document.body.append(print);
    this.window = win;
    this.elements = { table, characteristic, course, print, printChart, printTable, save };
  }

  head(ids) {
    const head = document.createElement("thead");
    const row = document.createElement("tr");
    for (let c = 0; c < this.design.columnTotal; c++) {
      const th = document.createElement("th");
      th.scope = "col";
      if (ids) th.id = `Formprotokoll_head_${c}`;
      th.textContent = tr(this.design.context, this.design.columns[c]);
      row.append(th);
    }
    head.append(row);
    return head;
  }

  // A row of the table; in the window its note is a field the student
  // writes in, named by its column's head and the row's number.
  rowElement(index, editable) {
    const row = document.createElement("tr");
    this.journal.cells(index).forEach((text, c) => {
      const td = document.createElement("td");
      if (editable && c === this.design.noteColumn) {
        const note = document.createElement("input");
        note.type = "text";
        note.value = text;
        note.id = `Formprotokoll_Bemerkung_${index}`;
        note.setAttribute("aria-labelledby", `Formprotokoll_head_${c} Formprotokoll_nr_${index}`);
        note.addEventListener("change", () => this.note(index, note.value));
        td.append(note);
      } else {
        td.textContent = text;
        if (editable && c === 0) td.id = `Formprotokoll_nr_${index}`;
      }
      row.append(td);
    });
    return row;
  }

  note(index, text) {
    this.journal.setNote(index, text);
    this.keep();
    this.elements.printTable.tBodies[0].rows[index].replaceWith(this.rowElement(index, false));
  }

  // A row the bench recorded; returns its number in the journal (after a
  // reload the journal's rows go on where the kept ones ended).
  record(row) {
    const index = this.journal.record(row);
    this.keep();
    this.appendRow(index);
    this.charts.rowsChanged(this.journal);
    return this.journal.cells(index)[0];
  }

  appendRow(index) {
    this.elements.table.tBodies[0].append(this.rowElement(index, true));
    this.elements.printTable.tBodies[0].append(this.rowElement(index, false));
    // The report prints the journal's pages where it has rows.
    this.elements.print.hidden = false;
  }

  // The displays after each tick, for the course over time.
  sample(shown) {
    this.journal.sample(shown);
    if (!this.window.hidden) this.charts.courseChanged(this.journal);
  }

  keep() {
    try {
      localStorage.setItem(journalStore, JSON.stringify(this.journal.kept()));
    } catch {
      // Storage may be full or refused (a private window): the rows stay
      // in the page as long as it is open.
    }
  }

  restore() {
    let kept = [];
    try {
      kept = JSON.parse(localStorage.getItem(journalStore) || "[]");
    } catch {
      kept = [];
    }
    if (!Array.isArray(kept) || !kept.length) return;
    this.journal.restore(kept);
    for (let i = 0; i < this.journal.size(); i++) this.appendRow(i);
    this.charts.rowsChanged(this.journal);
  }

  // The file as the desktop writes it (its bytes), offered as a download.
  download() {
    const blob = new Blob([this.journal.csv()], { type: "text/csv;charset=utf-8" });
    const a = document.createElement("a");
    a.href = URL.createObjectURL(blob);
    a.download = tr(windowContext, "KORA-Protokoll.csv");
    a.hidden = true;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 0);
  }

  open() {
    this.back = document.activeElement;
    this.window.hidden = false;
    this.charts.shown(this.journal);
    this.elements.save.focus();
  }

  close() {
    this.window.hidden = true;
    if (this.back && this.back.isConnected) this.back.focus();
  }

  toggle() {
    if (this.window.hidden) this.open();
    else this.close();
  }
}
