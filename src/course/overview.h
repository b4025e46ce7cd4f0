#pragma once
// The teacher's class overview on the desktop: the records read from a
// folder or from a learning platform's zip and judged by grading's rules
// on every core, worded with the application's translation.

#include "grading/overview.h"
#include "grading/overviewtext.h"

#include <QByteArray>
#include <QString>

namespace course {

struct ZipContents;

class TeacherFile;

using grading::Counting;
using grading::Overview;

// With `teacher`, each run's variant is drawn again from the teacher's file
// and checked; without it, each record is scored on its own sensor.
Overview readFolder(const QString& folder, Counting counting, const TeacherFile* teacher = nullptr);
// The same for the records in a learning platform's zip, as read whole.
Overview readZip(const ZipContents& zip, Counting counting, const TeacherFile* teacher = nullptr);

// grading's texts in the chosen language: the table for the terminal, the
// grade file, and the page naming `folder` and the time now.
QString tableText(const Overview& o);
QByteArray csvText(const Overview& o);
QByteArray htmlPage(const Overview& o, const QString& folder);

} // namespace course
