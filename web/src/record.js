// The signed-in student's result record on the page: written by the core
// at the run's moments (the same file as the desktop's), kept in the
// browser's storage until it has been downloaded, and offered as a download
// KORA-<Matrikelnummer>-<Datum-Uhrzeit>.json with the line that says how
// to hand it in.

import { tr, worded } from "./words.js";

const prefix = "kora-record:";

// The student's clock as ISO 8601 with its offset, as the record keeps times.
export function isoTime(date = new Date()) {
  const two = (n) => String(n).padStart(2, "0");
  const offset = -date.getTimezoneOffset();
  const sign = offset < 0 ? "-" : "+";
  const a = Math.abs(offset);
  return `${date.getFullYear()}-${two(date.getMonth() + 1)}-${two(date.getDate())}T${two(date.getHours())}:` +
    `${two(date.getMinutes())}:${two(date.getSeconds())}${sign}${two(Math.floor(a / 60))}:${two(a % 60)}`;
}

function hex(bytes) {
  return [...new Uint8Array(bytes)].map((b) => b.toString(16).padStart(2, "0")).join("");
}

// The teacher's file's SHA-256, as the desktop's record names the file it ran with.
async function sha256(text) {
  if (!globalThis.crypto?.subtle) return "";
  return hex(await crypto.subtle.digest("SHA-256", new TextEncoder().encode(text)));
}

function storage() {
  try {
    return window.localStorage;
  } catch {
    return null; // storage switched off: the download is the only copy
  }
}

function download(file, text) {
  const a = document.createElement("a");
  a.href = `data:application/json;charset=utf-8,${encodeURIComponent(text)}`;
  a.download = file;
  a.hidden = true;
  document.body.append(a);
  a.click();
  a.remove();
}

export class RecordKeeper {
  static async start(core, teachersFile, student) {
    const id = new Uint8Array(16);
    crypto.getRandomValues(id);
    return new RecordKeeper(core, student, hex(id), await sha256(teachersFile));
  }

  constructor(core, student, runId, configSha256) {
    this.texts = core.recordTexts();
    this.context = this.texts.context;
    this.runId = runId;
    this.record = new core.RunRecord(core.version, student.name, student.matrikel, runId, isoTime(), configSha256);
    this.file = this.record.fileName();
    this.build();
  }

  build() {
    const t = (key) => tr(this.context, this.texts[key]);
    const bar = document.createElement("section");
    bar.id = "Ergebnis";
    bar.setAttribute("aria-labelledby", "Ergebnis_title");
    const title = document.createElement("h2");
    title.id = "Ergebnis_title";
    title.className = "hidden";
    title.textContent = t("title");
    const text = document.createElement("p");
    text.id = "Ergebnis_Hinweis";
    text.textContent = t("handIn");
    const save = document.createElement("button");
    save.type = "button";
    save.id = "Ergebnis_Speichern";
    save.textContent = t("save");
    save.setAttribute("aria-describedby", text.id);
    save.addEventListener("click", () => this.save());
    this.status = document.createElement("output");
    this.status.id = "Ergebnis_Status";
    this.status.setAttribute("aria-live", "polite");
    bar.append(title, text, save, this.status);
    // Records of earlier runs that were never downloaded, one link each.
    const earlier = this.earlier();
    if (earlier.length) {
      const list = document.createElement("p");
      list.id = "Ergebnis_Frueher";
      list.textContent = t("earlier");
      for (const [key, kept] of earlier) {
        const b = document.createElement("button");
        b.type = "button";
        b.textContent = kept.file;
        b.addEventListener("click", () => {
          download(kept.file, kept.text);
          storage()?.removeItem(key);
          b.remove();
        });
        list.append(" ", b);
      }
      bar.append(list);
    }
    document.body.append(bar);
    document.body.classList.add("with-record");
  }

  earlier() {
    const s = storage();
    if (!s) return [];
    const out = [];
    for (let i = 0; i < s.length; ++i) {
      const key = s.key(i);
      if (!key.startsWith(prefix) || key === prefix + this.runId) continue;
      try {
        out.push([key, JSON.parse(s.getItem(key))]);
      } catch {
        // not one of ours after all
      }
    }
    return out;
  }

  // A moment of the run: the core adds it, the browser keeps the text.
  moment(state, bench, evaluation = null) {
    // The evaluation's answers go in at its moment; later moments keep them.
    // The journal's rows as they stand, as the desktop's record keeps them.
    const journal = this.journalOf?.() ?? "[]";
    if (evaluation) this.record.addEvaluated(state, isoTime(), bench, evaluation, journal);
    else this.record.add(state, isoTime(), bench, journal);
    this.text = this.record.text();
    this.unsaved = true;
    try {
      storage()?.setItem(prefix + this.runId, JSON.stringify({ file: this.file, text: this.text }));
    } catch {
      // a full storage keeps the older version; the download still has the newest
    }
  }

  // The page goes away: the end is a moment of its own, kept for the next
  // visit when the newest record was not downloaded.
  end(bench) {
    if (this.unsaved && !bench.view().destroyed) this.moment("beendet", bench);
  }

  save() {
    download(this.file, this.text);
    this.unsaved = false;
    storage()?.removeItem(prefix + this.runId);
    this.status.textContent = worded(this.context, { key: this.texts.saved, values: [this.file] });
  }
}
