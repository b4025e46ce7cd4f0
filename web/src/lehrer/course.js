// The course page: the lab page with the checked teacher's file inside,
// offered as kora-kurs.html; a file with errors is refused with the reasons.

import { checkTeachersFile } from "./check.js";
import { offerDownload } from "./files.js";

export function offerCoursePage(core, lab, file, report, words) {
  if (!file) {
    report.textContent = words("nofile");
    return null;
  }
  const result = checkTeachersFile(core, file);
  if (result.status !== 0) {
    report.textContent = `${words("refused")}\n${result.text}`;
    return null;
  }
  const page = core.coursePage(lab, file.text);
  offerDownload("kora-kurs.html", page, "text/html");
  report.textContent = words("written");
  return page;
}
