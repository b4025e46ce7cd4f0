// The check of the teacher's file: the report of kora --check-config, from
// the same library in the same sentences.

import { wordedText } from "../words.js";

export function checkTeachersFile(core, file, matrikel = "") {
  const result = core.checkTeachersFile(file.text, file.name, matrikel);
  return { status: result.status, drawn: result.drawn, text: wordedText(result.report) };
}

export function showCheck(report, file, core) {
  const result = checkTeachersFile(core, file);
  report.textContent = result.text;
  report.dataset.status = String(result.status);
  return result;
}
