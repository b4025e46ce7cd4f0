#pragma once
// kora --web AUSGABE.html [--config DATEI]: the lab page written as a course
// page, with the teacher's file inside, for students who have a browser only.

#include <QString>

namespace app {

// Writes the page; prints what was done or why not. Returns 0 when written,
// 1 when the file has errors (listed as kora --check-config lists them),
// 2 when the template, the file or the output cannot be read or written.
int writeWebPage(const QString& output, const QString& config);

} // namespace app
