// The answer key: each Matrikelnummer's variant and right answers, as
// kora --check-config --matrikel gives them, one block a student, printable.

import { checkTeachersFile } from "./check.js";

export function showKeys(list, file, core, numbers, words) {
  list.replaceChildren();
  if (!numbers.length) {
    const none = document.createElement("p");
    none.textContent = words("nonumber");
    list.append(none);
    return [];
  }
  return numbers.map((matrikel) => {
    const result = checkTeachersFile(core, file, matrikel);
    const block = document.createElement("article");
    block.className = "schluessel";
    block.dataset.matrikel = matrikel;
    const head = document.createElement("h3");
    head.textContent = matrikel;
    const text = document.createElement("pre");
    text.textContent = result.text;
    block.append(head, text);
    list.append(block);
    return { matrikel, ...result };
  });
}
