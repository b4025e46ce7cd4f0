// The page's catalogue from Qt's translation file: {context: {source: translation}},
// so that the page and the desktop word every text from the one .ts file.
// Unfinished or empty translations are left out: the page then shows the key.

const entities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };

function unescape(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (all, e) =>
    e[0] === "#" ? String.fromCodePoint(e[1] === "x" ? parseInt(e.slice(2), 16) : Number(e.slice(1)))
      : entities[e] ?? all);
}

export function catalogueOf(ts) {
  const out = {};
  for (const [, body] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescape(/<name>([\s\S]*?)<\/name>/.exec(body)[1]);
    const texts = (out[name] ??= {});
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message);
      const translation = /<translation(?![^>]*type="(?:unfinished|vanished|obsolete)")[^>]*>([\s\S]*?)<\/translation>/.exec(message);
      if (source && translation && translation[1] !== "") texts[unescape(source[1])] = unescape(translation[1]);
    }
  }
  return out;
}
