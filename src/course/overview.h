#pragma once
// The teacher's class overview from a folder of result records: one row per
// student with the attempt that counts, the notes on anything odd, and the
// files that could not be read. Needs no window.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace course {

// Which evaluated run counts: the first, the best or the last.
enum class Counting { First, Best, Last };

struct StudentRow {
    QString id;
    QString name;
    int points = -1; // of the attempt that counts; -1 when no run was evaluated
    int maximum = 0;
    int runs = 0;
    int evaluated = 0;
    QString sensor;    // the name of the sensor of that attempt (or of the first run)
    int sensorIndex = -1;
    QDateTime started; // of that attempt (or of the first run)
    QStringList notes;
};

struct Unreadable {
    QString file;
    QString reason;
};

struct Overview {
    QList<StudentRow> students; // by Matrikelnummer
    QList<Unreadable> unreadable; // by file name
    // 0 every record read and nothing to note, 1 notes or unreadable files.
    int status() const;
};

Overview readFolder(const QString& folder, Counting counting);

// How many runs a student made and how many of them were evaluated.
QString runsText(const StudentRow& r);
// The table for the terminal in the chosen language, lines ending in "\n".
QString tableText(const Overview& o);
// The grade file for the LMS: UTF-8, "," between fields, "." as decimal point.
QByteArray csvText(const Overview& o);
// One self-contained page: histogram, mean per sensor type and the table as
// inline SVG and HTML; no script, no external file.
QByteArray htmlPage(const Overview& o, const QString& folder);

} // namespace course
