// The class overview as text: the table for the terminal and the grade file.

#include "course/overview.h"
#include "course/text.h"

#include <QCoreApplication>

namespace course {

QString tr(const char* text)
{
    return QCoreApplication::translate("course", text);
}

namespace {

QString pointsText(const StudentRow& r)
{
    return r.points < 0 ? QStringLiteral("–") : tr("%1 von %2").arg(r.points).arg(r.maximum);
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

} // namespace

QString runsText(const StudentRow& r)
{
    return tr("%1 (%2 ausgewertet)").arg(r.runs).arg(r.evaluated);
}

QString tableText(const Overview& o)
{
    const QStringList head = {tr("Matrikelnummer"), tr("Name"),   tr("Punkte"),
                              tr("Versuche"),       tr("Sensor"), tr("Hinweis")};
    QList<QStringList> rows = {head};
    for (const StudentRow& r : o.students)
        rows.append({r.id, r.name, pointsText(r), runsText(r), r.sensor, r.notes.join(QStringLiteral("; "))});
    QList<qsizetype> width(head.size(), 0);
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
    if (!o.unreadable.isEmpty()) {
        out += tr("\nNicht lesbar (%1 Dateien):\n").arg(o.unreadable.size());
        for (const Unreadable& u : o.unreadable)
            out += QStringLiteral("  ") + u.file + QStringLiteral(": ") + u.reason + QLatin1Char('\n');
    }
    return out;
}

QByteArray csvText(const Overview& o)
{
    QByteArrayList head;
    for (const char* field : {QT_TRANSLATE_NOOP("course", "Matrikelnummer"), QT_TRANSLATE_NOOP("course", "Name"),
                              QT_TRANSLATE_NOOP("course", "Punkte"), QT_TRANSLATE_NOOP("course", "Höchstpunktzahl"),
                              QT_TRANSLATE_NOOP("course", "Versuche"), QT_TRANSLATE_NOOP("course", "Sensor"),
                              QT_TRANSLATE_NOOP("course", "Beginn"), QT_TRANSLATE_NOOP("course", "Hinweis")})
        head << csvField(tr(field));
    QByteArray out = head.join(',') + "\r\n";
    for (const StudentRow& r : o.students) {
        const QStringList fields = {r.id,
                                    r.name,
                                    r.points < 0 ? QString() : QString::number(r.points),
                                    QString::number(r.maximum),
                                    QString::number(r.runs),
                                    r.sensor,
                                    r.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                    r.notes.join(QStringLiteral("; "))};
        QByteArrayList line;
        for (const QString& f : fields)
            line << csvField(f);
        out += line.join(',') + "\r\n";
    }
    return out;
}

} // namespace course
