// The class overview as text: its columns, the table for the terminal and
// the grade file.

#include "course/overview.h"
#include "course/text.h"

#include <QCoreApplication>

namespace course {

QString tr(const char* text)
{
    return QCoreApplication::translate("course", text);
}

QString worded(const grading::Form& form)
{
    QString out = tr(form.key.c_str());
    for (const std::string& value : form.values)
        out = out.arg(QString::fromStdString(value));
    return out;
}

namespace {

QString noteText(Note note, const StudentRow& r)
{
    switch (note) {
    case Note::PointsDiffer:
        return tr("Punkte passen nicht zur Nachrechnung");
    case Note::WrongVariant:
        return tr("Sensor passt nicht zur Variante");
    case Note::Copy:
        return tr("Kopie");
    case Note::OtherConfig:
        return tr("andere cmmup.dlx");
    case Note::Names:
        return tr("verschiedene Namen: %1").arg(r.names.join(QStringLiteral(", ")));
    case Note::LaterRun:
        return tr("weiterer Durchlauf nach der Abgabe");
    case Note::Destroyed:
        return tr("Sensor zerstört");
    case Note::DestroyedAfter:
        return tr("Sensor nach der Auswertung zerstört");
    }
    return {};
}

QString padded(const QString& text, qsizetype width) { return text + QString(width - text.size(), QLatin1Char(' ')); }

// A CSV field, quoted where a comma, a quote or a line break would break it.
QByteArray csvField(const QString& text)
{
    QString t = text;
    if (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n')) ||
        t.contains(QLatin1Char('\r')))
        t = QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return t.toUtf8();
}

// How many runs a student made and how many of them were evaluated.
QString runsText(const StudentRow& r)
{
    return tr("%1 (%2 ausgewertet)").arg(r.runs).arg(r.evaluated);
}

// The notes in the chosen language, "; " between them.
QString notesText(const StudentRow& r)
{
    QStringList shown;
    for (Note n : r.notes)
        shown << noteText(n, r);
    return shown.join(QStringLiteral("; "));
}

// The points as a percentage of the maximum with one decimal and a point
// ("80.0"), "" when no attempt counts.
QString percentText(const StudentRow& r)
{
    if (r.points < 0 || r.maximum <= 0)
        return {};
    return QString::number(100.0 * r.points / r.maximum, 'f', 1);
}

QString idCell(const StudentRow& r) { return r.id; }
QString nameCell(const StudentRow& r) { return r.name; }
QString sensorCell(const StudentRow& r) { return r.sensor; }
QString pointsOf(const StudentRow& r)
{
    return r.points < 0 ? QStringLiteral("–") : tr("%1 von %2").arg(r.points).arg(r.maximum);
}
QString pointsNumber(const StudentRow& r) { return r.points < 0 ? QString() : QString::number(r.points); }
QString pointsSlash(const StudentRow& r)
{
    return r.points < 0 ? QStringLiteral("–") : QStringLiteral("%1 / %2").arg(r.points).arg(r.maximum);
}
QString maximumCell(const StudentRow& r) { return QString::number(r.maximum); }
QString runsNumber(const StudentRow& r) { return QString::number(r.runs); }
QString startedToSecond(const StudentRow& r) { return r.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }
QString startedToMinute(const StudentRow& r) { return r.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

} // namespace

const QList<Column>& columns()
{
    static const QList<Column> all = {
        {QT_TRANSLATE_NOOP("course", "Matrikelnummer"), false, idCell, idCell, idCell},
        {QT_TRANSLATE_NOOP("course", "Name"), false, nameCell, nameCell, nameCell},
        {QT_TRANSLATE_NOOP("course", "Punkte"), true, pointsOf, pointsNumber, pointsSlash},
        {QT_TRANSLATE_NOOP("course", "Höchstpunktzahl"), true, nullptr, maximumCell, nullptr},
        {QT_TRANSLATE_NOOP("course", "Prozent"), true, nullptr, percentText, nullptr},
        {QT_TRANSLATE_NOOP("course", "Versuche"), true, runsText, runsNumber, runsText},
        {QT_TRANSLATE_NOOP("course", "Sensor"), false, sensorCell, sensorCell, sensorCell},
        {QT_TRANSLATE_NOOP("course", "Beginn"), false, nullptr, startedToSecond, startedToMinute},
        {QT_TRANSLATE_NOOP("course", "Hinweis"), false, notesText, notesText, notesText},
    };
    return all;
}

QString tableText(const Overview& o)
{
    QList<QStringList> rows = {{}};
    for (const Column& c : columns())
        if (c.terminal)
            rows.first() << tr(c.head);
    for (const StudentRow& r : o.students) {
        QStringList row;
        for (const Column& c : columns())
            if (c.terminal)
                row << c.terminal(r);
        rows.append(row);
    }
    QList<qsizetype> width(rows.first().size(), 0);
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    QString out;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? padded(row[c], width[c] + 2) : row[c];
        out += line.trimmed() + QLatin1Char('\n');
    }
    out += tr("%1 Studierende").arg(o.students.size());
    out += QLatin1Char('\n');
    if (!o.variantsChecked)
        out += tr("Die Varianten sind nicht geprüft; das tut --config mit der cmmup.dlx des Kurses.") +
               QLatin1Char('\n');
    if (!o.unreadable.isEmpty()) {
        out += tr("\nNicht lesbar (%1 Dateien):\n").arg(o.unreadable.size());
        for (const Unreadable& u : o.unreadable)
            out += QStringLiteral("  ") + u.file + QStringLiteral(": ") + u.reason + QLatin1Char('\n');
    }
    return out;
}

QByteArray csvText(const Overview& o)
{
    // The byte order mark tells a spreadsheet the file is UTF-8, so that
    // "Müller" arrives whole; an LMS import strips it.
    QByteArrayList head;
    for (const Column& c : columns())
        if (c.csv)
            head << csvField(tr(c.head));
    QByteArray out = "\xEF\xBB\xBF" + head.join(',') + "\r\n";
    for (const StudentRow& r : o.students) {
        QByteArrayList line;
        for (const Column& c : columns())
            if (c.csv)
                line << csvField(c.csv(r));
        out += line.join(',') + "\r\n";
    }
    return out;
}

} // namespace course
