// The result report as a printed page: the lab's items at their places in
// centimetres on one A4 page, the plot with both curves, and where the
// measurement journal has rows its pages after it. Printed through the
// browser's own print dialog, which also saves it as a PDF file (the dialog
// is modal: the page stands while it is open); the print stylesheet shows
// nothing but this page while it exists.

import { askStudent } from "./evaluationstudent.js";
import { worded } from "./words.js";

export class ReportPrinter {
  constructor(lab, design, plot) {
    this.lab = lab;
    this.context = design.reportContext;
    this.plot = plot;
    this.words = design.student;
    this.who = null;
  }

  // Who handed it in: the signed-in student where the page has one;
  // otherwise asked before the first print and kept for the run.
  student() {
    const s = window.kora && window.kora.student;
    if (s) return { name: s.name || "", matrikel: s.matrikel || "" };
    return this.who;
  }

  // The page as it stands now, in place of the one printed before.
  prepare() {
    const date = new Intl.DateTimeFormat(document.documentElement.lang || "de", { dateStyle: "short" })
      .format(new Date());
    const { name, matrikel } = this.student() || { name: "", matrikel: "" };
    const report = this.lab.reportPage(date, name, matrikel);
    document.getElementById("kora-print")?.remove();
    const root = document.createElement("div");
    root.id = "kora-print";
    const page = document.createElement("section");
    page.id = "Formantwort_report";
    page.className = "report-page";
    for (const item of report.items) {
      const line = document.createElement("div");
      line.className = "report-item";
      line.style.left = `${item.x}cm`;
      line.style.top = `${item.y}cm`;
      line.style.fontSize = `${item.points}pt`;
      line.style.fontWeight = item.bold ? "bold" : "normal";
      if (item.maxWidth > 0) line.style.maxWidth = `${item.maxWidth}cm`;
      line.textContent = item.text.map((f) => worded(this.context, f)).join("");
      page.append(line);
    }
    const picture = document.createElement("div");
    picture.className = "report-plot";
    picture.style.left = `${report.plot.x}cm`;
    picture.style.top = `${report.plot.y}cm`;
    picture.style.width = `${report.plot.width}cm`;
    picture.style.height = `${report.plot.height}cm`;
    picture.append(this.plot.svg.cloneNode(true));
    page.append(picture);
    root.append(page);
    // The journal's pages, where the page has them.
    const journal = document.getElementById("Formprotokoll_print");
    if (journal && journal.textContent.trim()) {
      const pages = journal.cloneNode(true);
      pages.classList.add("report-journal");
      root.append(pages);
    }
    document.body.append(root);
    return worded(this.context, report.title);
  }

  // "Ergebnisse drucken" and "Als PDF speichern": the browser's print
  // dialog with the report; its title names the PDF file. onDone learns
  // whether it went to the dialog (not when who prints it was cancelled).
  print(onDone) {
    if (!this.student()) {
      askStudent(this.words, { name: "", matrikel: "" }, (who) => {
        if (!who) return onDone(false);
        this.who = who;
        this.print(onDone);
      });
      return;
    }
    const title = document.title;
    document.title = this.prepare();
    try {
      window.print();
    } finally {
      document.title = title;
      // The journal's copy carries its id only while it is printed.
      document.getElementById("kora-print")?.remove();
    }
    onDone(true);
  }
}
