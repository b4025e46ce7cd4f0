#pragma once
// The teacher's class overview from a folder of result records: one row per
// student with the attempt that counts, the notes on anything odd, and the
// files that could not be read. Needs no window.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace course {

struct ZipContents;

class TeacherFile;

// Which evaluated run counts: the first, the best or the last.
enum class Counting { First, Best, Last };

// What a row notes about a student's runs. Kept as a key, so that the
// grade file, the terminal and the page word it each in the chosen language.
enum class Note {
    PointsDiffer,    // the stored points are not the ones the answers earn
    WrongVariant,    // the sensor is not the one the teacher's file draws for this student
    Copy,            // a run repeats another student's run
    OtherConfig,     // started with another teacher's file
    Names,           // the runs give more than one name
    LaterRun,        // in an exam: a run after the first evaluated one
    Destroyed,       // the sensor was destroyed before the evaluation
    DestroyedAfter,  // destroyed after the evaluation: the points stand
};

struct StudentRow {
    QString id;   // the Matrikelnummer as the student's first run typed it
    QString name;
    int points = -1; // re-scored, of the attempt that counts; -1 when none counts
    int maximum = 0;
    int runs = 0;
    int evaluated = 0;
    QString sensor;    // the name of the sensor of that attempt (or of the first run)
    int sensorIndex = -1;
    QDateTime started; // of that attempt (or of the first run)
    QList<Note> notes;
    QStringList names; // every name the runs give, for Note::Names
    // A note that asks the teacher to look; a destruction after the
    // evaluation is only told.
    bool suspect() const;
};

struct Unreadable {
    QString file;
    QString reason;
};

struct Overview {
    QList<StudentRow> students;   // by Matrikelnummer
    QList<Unreadable> unreadable; // by file name
    bool variantsChecked = false; // against the teacher's file (--config)
    // 0 every record read and nothing to note, 1 notes or unreadable files.
    int status() const;
};

// With `teacher`, each run's variant is drawn again from the teacher's file
// and checked; without it, each record is scored on its own sensor.
Overview readFolder(const QString& folder, Counting counting, const TeacherFile* teacher = nullptr);
// The same for the records in a learning platform's zip, as read whole.
Overview readZip(const ZipContents& zip, Counting counting, const TeacherFile* teacher = nullptr);

// One column of the overview: its head (context "course") and its cell on
// the terminal, in the grade file and on the page; nullptr where that
// output leaves the column out.
struct Column {
    using Cell = QString (*)(const StudentRow&);
    const char* head;
    bool number; // aligned to the right on the page
    Cell terminal;
    Cell csv;
    Cell html; // plain text; the page escapes it
};

// The columns in their order, the one table behind every output.
const QList<Column>& columns();

// The table for the terminal in the chosen language, lines ending in "\n".
QString tableText(const Overview& o);
// The grade file for the LMS: UTF-8 with a byte order mark, "," between
// fields, "." as decimal point.
QByteArray csvText(const Overview& o);
// One self-contained page: histogram, mean per sensor type and the table as
// inline SVG and HTML; no script, no external file.
QByteArray htmlPage(const Overview& o, const QString& folder);

} // namespace course
