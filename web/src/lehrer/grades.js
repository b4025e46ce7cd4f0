// The grades section of the teacher's page: the records dropped or chosen
// (single .json files, a folder, or a learning platform's zip), the teacher's
// file beside them, the choice of the attempt that counts; the class
// overview, the grade file and the overview page as the desktop's
// `kora --ergebnisse` makes them. Every rule and every text of the overview
// comes from the core; the section only reads files, unpacks the zip's
// entries with the browser's own inflater and shows what the core gives.

// The section's one name on the page: the teacher's page bundles its
// modules into one script, so its helpers stand inside it.
export function mountGrades(section, core, tr) {
  const countings = ["erster", "bester", "letzter"];

  // %1, %2 ... replaced by the values at once.
  const filled = (text, values) => text.replace(/%(\d)/g, (all, n) => values[n - 1] ?? all);

  // The time of the overview page in the pattern the catalogue gives ("dd.MM.yyyy HH:mm").
  function createdText(pattern, date = new Date()) {
    const two = (n) => String(n).padStart(2, "0");
    const parts = { yyyy: String(date.getFullYear()), MM: two(date.getMonth() + 1), dd: two(date.getDate()),
      HH: two(date.getHours()), mm: two(date.getMinutes()) };
    return pattern.replace(/yyyy|MM|dd|HH|mm/g, (p) => parts[p]);
  }

  const readBytes = (file) => file.arrayBuffer().then((b) => new Uint8Array(b));
  const isZip = (bytes) => bytes.length >= 4 && bytes[0] === 0x50 && bytes[1] === 0x4b && bytes[2] === 3 && bytes[3] === 4;
  const isRecordFile = (name) => /\.json$/i.test(name);

  // An entry's bytes as stored or inflated; never more than the size the
  // directory declares (plus one byte, so that a lie shows), null when the
  // packed bytes are damaged.
  async function unpacked(zip, entry) {
    const packed = zip.subarray(entry.dataOffset, entry.dataOffset + entry.packedSize);
    if (entry.method === 0) return packed;
    const reader = new Blob([packed]).stream().pipeThrough(new DecompressionStream("deflate-raw")).getReader();
    const parts = [];
    let size = 0;
    try {
      for (;;) {
        const { done, value } = await reader.read();
        if (done) break;
        parts.push(value);
        size += value.length;
        if (size > entry.size) {
          await reader.cancel();
          break;
        }
      }
    } catch {
      return null;
    }
    const out = new Uint8Array(size);
    let at = 0;
    for (const p of parts) {
      out.set(p, at);
      at += p.length;
    }
    return out;
  }

  // The records of a zip, or why it is refused whole.
  async function zipRecords(core, bytes, words) {
    const dir = core.zipDirectory(bytes, words);
    if (dir.error) return { error: dir.error };
    const records = await Promise.all(dir.records.map(async (entry) => ({ entry, bytes: await unpacked(bytes, entry) })));
    for (const { entry, bytes: data } of records) {
      const trouble = core.zipUnpackedTrouble(entry, data, words);
      if (trouble) return { error: trouble };
    }
    return { records: records.map(({ entry, bytes: data }) => ({ name: entry.name, bytes: data })) };
  }

  // The files directly inside a dropped folder.
  async function filesIn(folder) {
    const reader = folder.createReader();
    const entries = [];
    for (;;) {
      const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
      if (!batch.length) break;
      entries.push(...batch);
    }
    return Promise.all(entries.filter((e) => e.isFile).map((e) => new Promise((resolve, reject) => e.file(resolve, reject))));
  }

  function element(tag, attributes = {}, children = []) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) if (v !== undefined) e.setAttribute(k, v);
    for (const c of [].concat(children)) e.append(c);
    return e;
  }

  const { context, keys } = core.gradesTexts();
  const t = (name, ...values) => filled(tr(context, keys[name]), values);
  const words = (ctx, key) => tr(ctx, key);
  const id = (name) => `${section.id || "noten"}_${name}`;

  const filesInput = element("input", { type: "file", id: id("dateien"), multiple: "", accept: ".json,.zip,application/json,application/zip" });
  const folderInput = element("input", { type: "file", id: id("ordner"), webkitdirectory: "", multiple: "" });
  const teacherInput = element("input", { type: "file", id: id("cmmup"), accept: ".dlx,text/plain" });
  const counting = element("select", { id: id("wertung") },
    countings.map((c) => element("option", { value: c }, t(c))));
  const status = element("p", { id: id("status"), role: "status", "aria-live": "polite" });
  const overview = element("div", { id: id("uebersicht") });
  const csvLink = element("a", { id: id("csv"), download: "noten.csv", hidden: "" }, t("csv"));
  const htmlLink = element("a", { id: id("html"), download: "uebersicht.html", hidden: "" }, t("html"));
  const label = (input, name) => element("p", {}, [element("label", { for: input.id }, t(name)), " ", input]);
  section.append(
    element("h2", {}, t("heading")),
    element("p", {}, t("intro")),
    label(filesInput, "files"), label(folderInput, "folder"), label(teacherInput, "teacher"), label(counting, "counting"),
    status, overview, element("p", {}, [csvLink, " ", htmlLink]));

  // What the section grades: the records with their names, where they came
  // from (the zip's or the folder's name), and the teacher's file.
  let records = [];
  let source = "";
  let teacher = null;
  const urls = [];
  // Counts each overview or refusal shown, for whoever waits for the next one.
  let gradings = 0;

  function offer(link, text, type) {
    const url = URL.createObjectURL(new Blob([text], { type }));
    urls.push(url);
    link.href = url;
    link.hidden = false;
  }

  function clear(message) {
    for (const url of urls.splice(0)) URL.revokeObjectURL(url);
    csvLink.hidden = htmlLink.hidden = true;
    csvLink.removeAttribute("href");
    htmlLink.removeAttribute("href");
    overview.replaceChildren();
    status.textContent = message;
  }

  function show() {
    if (!records.length) return clear("");
    const created = createdText(tr("course", keys.dateFormat));
    const o = core.grade(records, teacher, counting.value, words, source, created);
    clear(t("graded", records.length, o.rows.length));
    const head = element("tr", {}, o.heads.map((h) => element("th", { scope: "col" }, h.text)));
    const body = o.rows.map((r) => element("tr", r.suspect ? { class: "note" } : {},
      r.cells.map((c, i) => element("td", o.heads[i].number ? { class: "n" } : {}, c))));
    overview.append(element("table", {}, [element("caption", {}, t("table")), element("thead", {}, head),
      element("tbody", {}, body)]));
    if (!o.variantsChecked) overview.append(element("p", {}, t("notChecked")));
    if (o.unreadable.length)
      overview.append(element("h3", {}, t("unreadable")),
        element("ul", {}, o.unreadable.map((u) => element("li", {}, [element("code", {}, u.file), `: ${u.reason}`]))));
    offer(csvLink, o.csv, "text/csv;charset=utf-8");
    offer(htmlLink, o.html, "text/html;charset=utf-8");
    section.dataset.graded = String(++gradings);
  }

  // Files as chosen or dropped: a zip is read alone; of a folder (named
  // `folder`) the records directly inside it count, as in the desktop's folder.
  async function take(files, folder = null) {
    const zip = files.length === 1 && folder === null ? await readBytes(files[0]) : null;
    if (zip && isZip(zip)) {
      const read = await zipRecords(core, zip, words);
      if (read.error) {
        records = [];
        clear(t("refused", files[0].name, read.error));
        section.dataset.graded = String(++gradings);
        return;
      }
      records = read.records;
      source = files[0].name;
    } else {
      const chosen = files.filter((f) => isRecordFile(f.name));
      chosen.sort((a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0));
      records = await Promise.all(chosen.map(async (f) => ({ name: f.name, bytes: await readBytes(f) })));
      source = folder ?? "";
    }
    show();
  }

  // Emptied once read, so that choosing the same file again (a fresh
  // download under the old name) reads it again.
  filesInput.addEventListener("change", () => {
    const files = [...filesInput.files];
    filesInput.value = "";
    take(files);
  });
  folderInput.addEventListener("change", () => {
    const files = [...folderInput.files];
    folderInput.value = "";
    const steps = (f) => f.webkitRelativePath.split("/");
    take(files.filter((f) => steps(f).length === 2), files.length ? steps(files[0])[0] : "");
  });
  counting.addEventListener("change", show);
  teacherInput.addEventListener("change", async () => {
    const file = teacherInput.files[0];
    teacher = file ? await readBytes(file) : null;
    show();
  });
  section.addEventListener("dragover", (e) => e.preventDefault());
  // A teacher's file dropped beside the records checks their variants; a
  // dropped folder gives the files directly inside it.
  section.addEventListener("drop", async (e) => {
    e.preventDefault();
    const entries = [...e.dataTransfer.items].map((i) => i.webkitGetAsEntry?.()).filter(Boolean);
    const folder = entries.length === 1 && entries[0].isDirectory ? entries[0] : null;
    const dropped = folder ? await filesIn(folder) : [...e.dataTransfer.files];
    const dlx = folder ? null : dropped.find((f) => /\.dlx$/i.test(f.name));
    if (dlx) teacher = await readBytes(dlx);
    const rest = dropped.filter((f) => f !== dlx);
    if (folder || rest.length) await take(rest, folder ? folder.name : null);
    else show();
  });
  return { take, show };
}
