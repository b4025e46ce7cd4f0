// The page's words: a text a person reads is a key (the German source text)
// and its translation context, worded from the catalogue that the build
// makes of translations/kora_en.ts. German needs no catalogue: the key is
// the text.

let catalogue = null;

// The language: the page's address (?sprache=en) first, then the teacher's
// file (sprache:en), German otherwise.
export function chooseLanguage(search, catalogues, fileLanguage = "") {
  const wanted = new URLSearchParams(search).get("sprache") || fileLanguage;
  catalogue = wanted && catalogues[wanted] ? catalogues[wanted] : null;
  return catalogue ? wanted : "de";
}

export function tr(context, key) {
  const texts = catalogue && catalogue[context];
  return (texts && texts[key]) || key;
}

// A form of the lab, {key, values}: %1, %2 ... take the values as they are.
export function worded(context, form) {
  return tr(context, form.key).replace(/%(\d)/g, (all, n) => form.values[n - 1] ?? "");
}

// A phrase of the lab, {context, key, parts}: one without context and parts
// is text as it stands; any other fills %1 ... %9 from its worded parts in
// one pass.
export function phrased(p) {
  if (!p.context && !p.parts.length) return p.key;
  const pattern = p.context ? tr(p.context, p.key) : p.key;
  const parts = p.parts.map(phrased);
  return pattern.replace(/%([1-9])/g, (all, n) => parts[n - 1] ?? "");
}

// A text of the teacher's side, {kind, context, key, parts}: a value shown as
// written, a form whose %1 ... %9 take its parts, or its parts joined by the key.
export function wordedText(text) {
  if (text.kind === "shown") return text.key;
  if (text.kind === "joined") return text.parts.map(wordedText).join(text.key);
  const pattern = text.context ? tr(text.context, text.key) : text.key;
  return pattern.replace(/%([1-9])/g, (all, n) => (text.parts[n - 1] ? wordedText(text.parts[n - 1]) : ""));
}
