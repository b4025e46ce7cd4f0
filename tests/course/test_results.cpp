// The teacher's side of a course through the real programs: students' runs
// (course_student, the real windows offscreen) leave their records, and
// kora --ergebnisse reads them with no display: the table, the notes, the
// grade file and the page; thirty runs at once; a drop box as an
// unprivileged user.

#include "course/record.h"
#include "course/recordfile.h"
#include "course/variant.h"
#include "model/configcheck.h"
#include "model/coursesettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace {

const QByteArray exam = "sensor:nr=3:off\nergebnisse:ordner=abgabe\npruefung:on\n";

// A course with personal variants of a Pt 1000.
const QByteArray personal = "variante:schluessel=physik\nsensor:nr=3:off\nergebnisse:ordner=abgabe\n"
                            "typ3:r0=rand(900,1100):a=rand(3.5,4):Pt 1000:0.05\n";

struct Result {
    int status = -1;
    QString out, err;
};

Result finish(QProcess& p)
{
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, QStringLiteral("kam nicht zurück")};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// The teacher's command, without a display.
Result kora(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KORA_EXE), args);
    return finish(p);
}

// The student's windows, offscreen whatever the test's own settings.
QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// A student's run in `folder`; `as` runs it as another user (setpriv).
void startStudent(QProcess& p, const QString& folder, const QString& name, const QString& id, bool evaluate,
                  const QStringList& as = {})
{
    p.setProcessEnvironment(offscreen());
    QStringList args = {folder, QDir(folder).filePath(QStringLiteral("daten")), name, id};
    if (evaluate)
        args << QStringLiteral("auswerten");
    if (as.isEmpty()) {
        p.start(QStringLiteral(STUDENT_EXE), args);
    } else {
        p.start(as.first(), as.mid(1) + QStringList{QStringLiteral(STUDENT_EXE)} + args);
    }
}

Result student(const QString& folder, const QString& name, const QString& id, bool evaluate, const QStringList& as = {})
{
    QProcess p;
    startStudent(p, folder, name, id, evaluate, as);
    return finish(p);
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Entries = std::vector<std::pair<QString, QByteArray>>;

// A zip as a learning platform writes it, by libzip's own writer.
void writeZip(const QString& path, const Entries& entries)
{
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!z)
        qFatal("cannot write %s", qPrintable(path));
    for (const auto& [name, data] : entries) {
        zip_source_t* src = zip_source_buffer(z, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
        zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8);
    }
    if (zip_close(z) != 0)
        qFatal("cannot write %s", qPrintable(path));
}

// The one record of a Matrikelnummer in `folder`.
QString recordOf(const QString& folder, const QString& id)
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("KORA-") + id + QStringLiteral("-*.json")});
    return files.size() == 1 ? QDir(folder).filePath(files.first()) : QString();
}

// A student's sensor as the teacher's answer key (kora --check-config
// --matrikel) gives it.
course::SensorRecord answerKey(const QString& config, const QString& id)
{
    const std::string matrikel = model::normalizedMatrikel(id.toStdString());
    model::ConfigCheck check = model::checkConfig(config.toStdString(), "cmmup.dlx", &matrikel);
    model::f_alpha(check.state);
    return course::sensorOf(check.state);
}

// A Pt 1000 run written by the program's own writer: the right type, the
// right equation unless `equation` is false, the right alpha if `alpha`,
// with the points these answers earn.
course::RunRecord pt1000Run(const QString& id, const QString& name, const course::SensorRecord& sensor,
                            bool equation, bool alpha)
{
    course::RunRecord r;
    r.id = id;
    r.name = name;
    r.host = QStringLiteral("pc") + id.right(2);
    r.runId = QStringLiteral("run-") + id;
    r.sensor = sensor;
    r.maximum = 10;
    r.state = course::ausgewertet;
    const double r0 = sensor.parameters[0].second, a = sensor.parameters[1].second;
    r.answers.type = 3;
    r.answers.typePoints = 2;
    r.answers.equation = QStringLiteral("%1+%2*(T-273)").arg(r0, 0, 'g', 17).arg(a, 0, 'g', 17).toStdString();
    r.answers.equationDeviation = equation ? 0 : 40;
    if (!equation)
        r.answers.equation = "1000+4*(T-273)";
    r.answers.equationPoints = equation ? 6 : 0;
    if (alpha) {
        r.answers.alpha = QString::number(a / r0, 'g', 17).toStdString();
        r.answers.alphaDeviation = 0;
        r.answers.alphaPoints = 2;
    }
    r.total = r.answers.typePoints + r.answers.equationPoints + r.answers.alphaPoints;
    return r;
}

QStringList lines(const QString& text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

// The notices about the course folder among what a student was shown.
QStringList notices(const QString& shown)
{
    return lines(shown).filter(QRegularExpression(QStringLiteral("^Das Ergebnis kann nicht")));
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        // Other users reach the course's folder, as on a share.
        QVERIFY(::chmod(QFile::encodeName(dir->path()).constData(), 0755) == 0);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("abgabe")));
        writeFile(path(QStringLiteral("cmmup.dlx")), exam);
    }

    void goodForgedCutAndForeignFiles()
    {
        const QString abgabe = path(QStringLiteral("abgabe"));
        QCOMPARE(student(dir->path(), QStringLiteral("Anna Muster"), QStringLiteral("4711001"), true).status, 0);
        QCOMPARE(student(dir->path(), QStringLiteral("Bea Beispiel"), QStringLiteral("4711002"), false).status, 0);
        QCOMPARE(student(dir->path(), QStringLiteral("Carl Probe"), QStringLiteral("4711003"), true).status, 0);
        QCOMPARE(student(dir->path(), QStringLiteral("Carla Probe"), QStringLiteral("4711003"), false).status, 0);
        // Another teacher's file in the room next door.
        writeFile(path(QStringLiteral("cmmup.dlx")), exam + "# Raum 2\n");
        QCOMPARE(student(dir->path(), QStringLiteral("Dora Test"), QStringLiteral("4711004"), true).status, 0);

        // Bea raises her points by hand, and a copy of Anna's record is cut.
        const QString bea = recordOf(abgabe, QStringLiteral("4711002"));
        QJsonObject forged = QJsonDocument::fromJson(readFile(bea)).object();
        QJsonObject points = forged.value(QStringLiteral("points")).toObject();
        points.insert(QStringLiteral("total"), 10);
        forged.insert(QStringLiteral("points"), points);
        forged.insert(QStringLiteral("state"), course::ausgewertet);
        writeFile(bea, QJsonDocument(forged).toJson());
        const QByteArray anna = readFile(recordOf(abgabe, QStringLiteral("4711001")));
        writeFile(abgabe + QStringLiteral("/KORA-abgeschnitten.json"), anna.left(anna.size() / 2));
        writeFile(abgabe + QStringLiteral("/package.json"), R"({"name": "kora", "version": "1"})");
        writeFile(abgabe + QStringLiteral("/notizen.json"), "Punkte bitte bis Freitag");
        // Eva overheated her sensor before the evaluation.
        QJsonObject eva = QJsonDocument::fromJson(anna).object();
        eva.insert(QStringLiteral("student"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Eva Eis")},
                                                          {QStringLiteral("id"), QStringLiteral("4711005")}});
        eva.insert(QStringLiteral("state"), course::zerstoert);
        eva.remove(QStringLiteral("moments")); // read as its one moment: destroyed, never evaluated
        eva.remove(QStringLiteral("run_id"));
        eva.insert(QStringLiteral("answers"), QJsonObject{});
        eva.insert(QStringLiteral("points"), QJsonObject{{QStringLiteral("total"), 0}, {QStringLiteral("max"), 10}});
        writeFile(abgabe + QStringLiteral("/KORA-4711005-pc-20261209-100000-1.json"), QJsonDocument(eva).toJson());
        QJsonObject newer = QJsonDocument::fromJson(anna).object();
        newer.insert(QStringLiteral("format"), QStringLiteral("kora-result/2"));
        writeFile(abgabe + QStringLiteral("/KORA-neu.json"), QJsonDocument(newer).toJson());
        writeFile(abgabe + QStringLiteral("/liesmich.txt"), "kein Datensatz");

        const QString csv = path(QStringLiteral("noten.csv"));
        const QString html = path(QStringLiteral("uebersicht.html"));
        // The teacher's file of the course, as it was before the room next door changed its copy.
        const QString course = path(QStringLiteral("kurs.dlx"));
        writeFile(course, exam);
        const Result r = kora({QStringLiteral("--ergebnisse"), abgabe, QStringLiteral("--config"), course,
                               QStringLiteral("--csv"), csv,
                               QStringLiteral("--html"), html});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 1);
        const QStringList out = lines(r.out);
        QCOMPARE(out.value(0).simplified(), QStringLiteral("Matrikelnummer Name Punkte Versuche Sensor Hinweis"));
        QCOMPARE(out.value(1).simplified(), QStringLiteral("4711001 Anna Muster 10 von 10 1 (1 ausgewertet) Pt 1000"));
        // Her raised total is no grade: her answers earn 0.
        QCOMPARE(out.value(2).simplified(), QStringLiteral("4711002 Bea Beispiel 0 von 10 1 (1 ausgewertet) Pt 1000 "
                                                           "Punkte passen nicht zur Nachrechnung"));
        // An exam: the run after Carl's evaluated one does not count, and says so.
        QCOMPARE(out.value(3).simplified(), QStringLiteral("4711003 Carl Probe 10 von 10 2 (1 ausgewertet) Pt 1000 "
                                                           "verschiedene Namen: Carl Probe, Carla Probe; "
                                                           "weiterer Durchlauf nach der Abgabe"));
        QCOMPARE(out.value(4).simplified(),
                 QStringLiteral("4711004 Dora Test 10 von 10 1 (1 ausgewertet) Pt 1000 andere cmmup.dlx"));
        QCOMPARE(out.value(5).simplified(), QStringLiteral("4711005 Eva Eis – 1 (0 ausgewertet) Pt 1000 Sensor zerstört"));
        QCOMPARE(out.value(6), QStringLiteral("5 Studierende"));
        QCOMPARE(out.mid(7), (QStringList{
                                 QStringLiteral("Nicht lesbar (4 Dateien):"),
                                 QStringLiteral("  KORA-abgeschnitten.json: die Datei ist unvollständig (abgeschnitten)"),
                                 QStringLiteral("  KORA-neu.json: der Datensatz stammt aus einer neueren Version "
                                                "(kora-result/2)"),
                                 QStringLiteral("  notizen.json: die Datei ist kein JSON (Fehler bei Zeichen 1)"),
                                 QStringLiteral("  package.json: die Datei ist kein Ergebnis von KORA"),
                             }));

        const QStringList grades = QString::fromUtf8(readFile(csv)).split(QStringLiteral("\r\n"));
        QCOMPARE(grades.value(0),
                 QStringLiteral("Matrikelnummer,Name,Punkte,Höchstpunktzahl,Prozent,Versuche,Sensor,Beginn,Hinweis"));
        QVERIFY2(grades.value(1).startsWith(QStringLiteral("4711001,Anna Muster,10,10,100.0,1,Pt 1000,")),
                 qPrintable(grades.value(1)));
        QVERIFY2(grades.value(2).startsWith(QStringLiteral("4711002,Bea Beispiel,0,10,0.0,1,Pt 1000,")),
                 qPrintable(grades.value(2)));
        QVERIFY(grades.value(1).endsWith(QLatin1Char(',')));
        // The README's import recipe names the columns as the grade file writes them.
        const QString readme = QString::fromUtf8(readFile(QStringLiteral(KORA_README)));
        QVERIFY2(readme.contains(QLatin1Char('`') + grades.value(0) + QLatin1Char('`')), qPrintable(grades.value(0)));
        QVERIFY2(grades.value(3).endsWith(QStringLiteral(",\"verschiedene Namen: Carl Probe, Carla Probe; weiterer Durchlauf nach der Abgabe\"")),
                 qPrintable(grades.value(3)));
        QVERIFY2(grades.value(5).startsWith(QStringLiteral("4711005,Eva Eis,,10,,1,Pt 1000,")), qPrintable(grades.value(5)));
        QCOMPARE(grades.size(), 7); // five rows and the empty rest after the last line end

        const QString page = QString::fromUtf8(readFile(html));
        QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QCOMPARE(page.count(QStringLiteral("<svg ")), 2);
        QVERIFY(page.contains(QStringLiteral("Punkte passen nicht zur Nachrechnung")));
        QVERIFY(page.contains(QStringLiteral("<code>KORA-abgeschnitten.json</code>")));
        for (const char* outside : {"<script", "src=", "href=", "url(", "@import"})
            QVERIFY2(!page.contains(QLatin1String(outside)), outside);

        // The same folder for a teacher who reads English.
        const Result en = kora({QStringLiteral("--sprache=en"), QStringLiteral("--ergebnisse"), abgabe,
                                QStringLiteral("--config"), course,
                                QStringLiteral("--csv"), csv, QStringLiteral("--html"), html});
        QCOMPARE(en.status, 1);
        const QStringList table = lines(en.out);
        QCOMPARE(table.value(0).simplified(), QStringLiteral("Student ID Name Points Runs Sensor Note"));
        QCOMPARE(table.value(2).simplified(), QStringLiteral("4711002 Bea Beispiel 0 of 10 1 (1 evaluated) Pt 1000 "
                                                             "points do not match the re-scoring"));
        QCOMPARE(table.value(5).simplified(), QStringLiteral("4711005 Eva Eis – 1 (0 evaluated) Pt 1000 sensor destroyed"));
        QCOMPARE(table.mid(6, 2), (QStringList{QStringLiteral("5 students"), QStringLiteral("Unreadable (4 files):")}));
        QCOMPARE(table.value(9), QStringLiteral("  KORA-neu.json: the record comes from a newer version (kora-result/2)"));
        QCOMPARE(QString::fromUtf8(readFile(csv)).section(QStringLiteral("\r\n"), 0, 0),
                 QStringLiteral("Student ID,Name,Points,Maximum points,Percent,Runs,Sensor,Started,Note"));
        QVERIFY(readFile(csv).startsWith("\xEF\xBB\xBFStudent ID,"));
        const QString englishHead = QString::fromUtf8(readFile(csv)).section(QStringLiteral("\r\n"), 0, 0);
        QVERIFY2(readme.contains(QLatin1Char('`') + englishHead + QLatin1Char('`')), qPrintable(englishHead));
        const QString englishPage = QString::fromUtf8(readFile(html));
        for (const char* shown : {"<html lang=\"en\">", "<h1>KORA – Class overview</h1>", "<th>Student ID</th>",
                                  "Mean score per sensor type (count)", "<h2>Unreadable files</h2>"})
            QVERIFY2(englishPage.contains(QString::fromUtf8(shown)), shown);
    }

    // A class graded against the teacher's file: the grade is what the
    // answers earn on the student's own variant, and each kind of record
    // that must not count as it stands says why.
    void gradedAgainstTheTeachersFile()
    {
        const QString abgabe = path(QStringLiteral("abgabe"));
        const QString config = path(QStringLiteral("cmmup.dlx"));
        writeFile(config, personal);
        const QByteArray sha = QCryptographicHash::hash(personal, QCryptographicHash::Sha256).toHex();
        const QDateTime t0 = QDateTime::fromString(QStringLiteral("2026-12-09T10:00:00+01:00"), Qt::ISODate);
        int written = 0;
        auto write = [&](course::RunRecord r, int minute) {
            r.configSha256 = QString::fromLatin1(sha);
            r.started = t0.addSecs(60 * minute);
            if (r.moments.empty())
                r.moments = {{course::begonnen, r.started}, {r.state, r.started.addSecs(30)}};
            r.updated = r.moments.back().time;
            QCOMPARE(course::writeRecordFile(abgabe, course::recordFileName(r.id, r.host, r.started, ++written),
                                             course::toJson(r)),
                     QString());
        };
        auto key = [&](const char* id) { return answerKey(config, QString::fromLatin1(id)); };

        write(pt1000Run("4711001", "Anna Muster", key("4711001"), true, true), 0);
        // Bea raised 2 points to 10 by hand; her second run earned 6, and the
        // best attempt is chosen by what the answers earn.
        course::RunRecord bea = pt1000Run("4711002", "Bea Beispiel", key("4711002"), false, false);
        bea.total = 10;
        write(bea, 1);
        write(pt1000Run("4711002", "Bea Beispiel", key("4711002"), true, false), 20);
        // Carl put the right equation into his record afterwards.
        course::RunRecord carl = pt1000Run("4711003", "Carl Probe", key("4711003"), false, false);
        carl.answers.equation = pt1000Run("", "", key("4711003"), true, false).answers.equation;
        write(carl, 2);
        // Dora ran with Anna's variant.
        write(pt1000Run("4711004", "Dora Test", key("4711001"), true, true), 3);
        // Emil handed in Fritz's record under his own number.
        const course::RunRecord fritz = pt1000Run("4711006", "Fritz Fleiss", key("4711006"), true, true);
        write(fritz, 4);
        course::RunRecord emil = fritz;
        emil.id = QStringLiteral("4711005");
        emil.name = QStringLiteral("Emil Kopie");
        write(emil, 4);
        // Gina took Hans's record and took its run identifier out.
        const course::RunRecord hans = pt1000Run("4711010", "Hans Held", key("4711010"), true, true);
        write(hans, 5);
        course::RunRecord gina = hans;
        gina.id = QStringLiteral("4711011");
        gina.name = QStringLiteral("Gina Gleich");
        gina.runId.clear();
        write(gina, 5);
        // Ida destroyed her sensor after the evaluation, as the task page suggests.
        course::RunRecord ida = pt1000Run("4711007", "Ida Ende", key("4711007"), true, false);
        ida.state = course::zerstoert;
        ida.moments = {{course::begonnen, t0.addSecs(360)}, {course::ausgewertet, t0.addSecs(900)},
                       {course::zerstoert, t0.addSecs(960)}};
        write(ida, 6);
        // Karl typed his number four ways; only the second run was evaluated.
        const char* spellings[] = {"04711008", "4711008", "4711-008", " 4711008 "};
        for (int n = 0; n < 4; ++n) {
            course::RunRecord karl =
                pt1000Run(QString::fromLatin1(spellings[n]), "Karl Vier", key("4711008"), true, true);
            karl.runId += QString::number(n);
            if (n != 1) {
                karl.state = n == 0 ? course::begonnen : course::beendet;
                karl.answers = {};
                karl.total = 0;
                karl.sensor.reset();
            }
            write(karl, 7 + 10 * n);
        }
        // Jana's exam: no sensor in the records; her first evaluated run
        // (8 points) is the one handed in, the second scored 10.
        for (int n = 0; n < 2; ++n) {
            course::RunRecord jana = pt1000Run("4711009", "Jana Pruefung", key("4711009"), true, n == 1);
            jana.runId += QString::number(n);
            jana.exam = true;
            jana.sensor.reset();
            write(jana, 8 + 20 * n);
        }

        const QString csv = path(QStringLiteral("noten.csv"));
        const QString html = path(QStringLiteral("uebersicht.html"));
        const Result r = kora({QStringLiteral("--ergebnisse"), abgabe, QStringLiteral("--config"), config,
                               QStringLiteral("--wertung"), QStringLiteral("bester"), QStringLiteral("--csv"), csv,
                               QStringLiteral("--html"), html});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 1);
        QCOMPARE(lines(r.out).replaceInStrings(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" ")),
                 (QStringList{
                     "Matrikelnummer Name Punkte Versuche Sensor Hinweis",
                     "4711001 Anna Muster 10 von 10 1 (1 ausgewertet) Pt 1000",
                     "4711002 Bea Beispiel 8 von 10 2 (2 ausgewertet) Pt 1000 Punkte passen nicht zur Nachrechnung",
                     "4711003 Carl Probe 8 von 10 1 (1 ausgewertet) Pt 1000 Punkte passen nicht zur Nachrechnung",
                     "4711004 Dora Test – 1 (1 ausgewertet) Pt 1000 Sensor passt nicht zur Variante",
                     "4711005 Emil Kopie – 1 (1 ausgewertet) Pt 1000 Sensor passt nicht zur Variante; Kopie",
                     "4711006 Fritz Fleiss – 1 (1 ausgewertet) Pt 1000 Kopie",
                     "4711007 Ida Ende 8 von 10 1 (1 ausgewertet) Pt 1000 Sensor nach der Auswertung zerstört",
                     "04711008 Karl Vier 10 von 10 4 (1 ausgewertet) Pt 1000",
                     "4711009 Jana Pruefung 8 von 10 2 (2 ausgewertet) Pt 1000 weiterer Durchlauf nach der Abgabe",
                     "4711010 Hans Held – 1 (1 ausgewertet) Pt 1000 Kopie",
                     "4711011 Gina Gleich – 1 (1 ausgewertet) Pt 1000 Sensor passt nicht zur Variante; Kopie",
                     "11 Studierende",
                 }));
        // The byte order mark, for spreadsheets.
        QVERIFY(readFile(csv).startsWith("\xEF\xBB\xBFMatrikelnummer,"));
        const QStringList grades = QString::fromUtf8(readFile(csv)).split(QStringLiteral("\r\n"));
        QCOMPARE(grades.value(0),
                 QStringLiteral("Matrikelnummer,Name,Punkte,Höchstpunktzahl,Prozent,Versuche,Sensor,Beginn,Hinweis"));
        QVERIFY2(grades.value(2).startsWith(QStringLiteral("4711002,Bea Beispiel,8,10,80.0,2,")), qPrintable(grades.value(2)));
        QVERIFY2(grades.value(4).startsWith(QStringLiteral("4711004,Dora Test,,10,,1,")), qPrintable(grades.value(4)));
        QVERIFY2(grades.value(7).startsWith(QStringLiteral("4711007,Ida Ende,8,10,80.0,1,")), qPrintable(grades.value(7)));

        // The distribution in percent: 8 of 10 in the tenth from 80, full marks in the top one.
        const QString page = QString::fromUtf8(readFile(html));
        for (const char* bar : {"<title>80–90: 4</title>", "<title>90–100: 2</title>", "<title>0–10: 0</title>"})
            QVERIFY2(page.contains(QString::fromUtf8(bar)), bar);

        // The same records as a learning platform hands them out: a folder
        // per student, one flat. The grade file is the folder's, byte for byte.
        const QString zip = path(QStringLiteral("abgaben.zip"));
        Entries entries;
        int n = 0;
        for (const QString& file : QDir(abgabe).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
            entries.emplace_back((n++ % 2 ? QStringLiteral("Student %1_%1_assignsubmission_file/").arg(n)
                                          : QStringLiteral("Student %1_%1_assignsubmission_file_").arg(n)) + file,
                                 readFile(QDir(abgabe).filePath(file)));
        writeZip(zip, entries);
        const QString zipCsv = path(QStringLiteral("noten-zip.csv"));
        const Result zipped = kora({QStringLiteral("--ergebnisse"), zip, QStringLiteral("--config"), config,
                                    QStringLiteral("--wertung"), QStringLiteral("bester"), QStringLiteral("--csv"), zipCsv});
        QCOMPARE(zipped.status, 1);
        QCOMPARE(zipped.out, r.out);
        QCOMPARE(readFile(zipCsv), readFile(csv));
        // A zip with an entry that leaves its folder is refused whole, and nothing is written.
        entries.emplace_back(QStringLiteral("../../KORA-4711001.json"), entries.front().second);
        writeZip(zip, entries);
        QFile::remove(zipCsv);
        const Result refused = kora({QStringLiteral("--ergebnisse"), zip, QStringLiteral("--csv"), zipCsv});
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QString());
        QVERIFY2(refused.err.contains(QStringLiteral("zeigt aus seinem Ordner hinaus")), qPrintable(refused.err));
        QVERIFY(!QFile::exists(zipCsv));

        // Without the teacher's file the variants go unchecked, and an exam
        // cannot be scored at all: it has no sensor to score on.
        const Result unchecked = kora({QStringLiteral("--ergebnisse"), abgabe});
        QCOMPARE(unchecked.status, 1);
        const QStringList out = lines(unchecked.out);
        QVERIFY2(out.value(4).simplified().startsWith(QStringLiteral("4711004 Dora Test 10 von 10 ")), qPrintable(out.value(4)));
        QCOMPARE(out.filter(QStringLiteral("Jana")), QStringList());
        QCOMPARE(out.filter(QStringLiteral(": eine Prüfung lässt sich nur mit --config nachrechnen")).size(), 2);
        QVERIFY(out.contains(
            QStringLiteral("Die Varianten sind nicht geprüft; das tut --config mit der cmmup.dlx des Kurses.")));
    }

    // A course without a key word: each run draws from a seed its record
    // keeps. The export draws from that seed again; a record that cannot say
    // which variant it had is not scored on a guess.
    void variantFromTheSeed_data()
    {
        QTest::addColumn<QString>("seed");       // the record's
        QTest::addColumn<QString>("sensorSeed"); // whose draw the record's sensor is; "" none
        QTest::addColumn<bool>("withConfig");
        QTest::addColumn<QString>("shown");      // the row, or the unreadable line
        QTest::newRow("its own draw") << "17" << "17" << true << "4711001 Anna Muster 10 von 10 1 (1 ausgewertet) Pt 1000";
        QTest::newRow("another seed's draw")
            << "18" << "17" << true
            << "4711001 Anna Muster – 1 (1 ausgewertet) Pt 1000 Sensor passt nicht zur Variante";
        QTest::newRow("no sensor, scored on the seed's draw")
            << "17" << "" << true << "4711001 Anna Muster 10 von 10 1 (1 ausgewertet) Pt 1000";
        QTest::newRow("no sensor, no seed")
            << "" << "" << true
            << "KORA-4711001.json: die Variante lässt sich nicht neu ziehen (der Datensatz hat keinen Startwert)";
        QTest::newRow("no sensor, no --config")
            << "17" << "" << false
            << "KORA-4711001.json: der Datensatz hat keinen Sensor und lässt sich nur mit --config nachrechnen";
    }
    void variantFromTheSeed()
    {
        QFETCH(QString, seed);
        QFETCH(QString, sensorSeed);
        QFETCH(bool, withConfig);
        const QByteArray drawn = "sensor:nr=3:off\nergebnisse:ordner=abgabe\n"
                                 "typ3:r0=rand(900,1100):a=rand(3.5,4):Pt 1000:0.05\n";
        writeFile(path(QStringLiteral("cmmup.dlx")), drawn);
        const course::TeacherFile teacher(drawn);
        course::RunRecord ofSeed;
        ofSeed.seed = sensorSeed.isEmpty() ? QStringLiteral("17") : sensorSeed;
        course::RunRecord r = pt1000Run(QStringLiteral("4711001"), QStringLiteral("Anna Muster"),
                                        *teacher.variantOf(ofSeed), true, true);
        r.seed = seed;
        r.configSha256 = teacher.sha256();
        if (sensorSeed.isEmpty())
            r.sensor.reset();
        writeFile(path(QStringLiteral("abgabe/KORA-4711001.json")), course::toJson(r));
        QStringList args = {QStringLiteral("--ergebnisse"), path(QStringLiteral("abgabe"))};
        if (withConfig)
            args << QStringLiteral("--config") << path(QStringLiteral("cmmup.dlx"));
        const QStringList out = lines(kora(args).out).replaceInStrings(QRegularExpression(QStringLiteral("^ +| +$")), QString());
        QFETCH(QString, shown);
        QVERIFY2(out.contains(shown) || out.value(1).simplified() == shown, qPrintable(out.join(QLatin1Char('\n'))));
    }

    void countingFirstBestOrLast_data()
    {
        QTest::addColumn<QString>("counting");
        QTest::addColumn<QString>("row");
        QTest::newRow("erster") << "erster" << "4711001 Anna Muster 2 von 10 3 (2 ausgewertet) Pt 1000";
        QTest::newRow("bester") << "bester" << "4711001 Anna Muster 10 von 10 3 (2 ausgewertet) Pt 1000";
        QTest::newRow("letzter") << "letzter" << "4711001 Anna Muster 10 von 10 3 (2 ausgewertet) Pt 1000";
    }
    void countingFirstBestOrLast()
    {
        QFETCH(QString, counting);
        const QString abgabe = path(QStringLiteral("abgabe"));
        // One record written by the program's own writer for each attempt:
        // the first answered only the type, the second all, the third nothing.
        course::RunRecord r;
        r.id = QStringLiteral("4711001");
        r.name = QStringLiteral("Anna Muster");
        r.configSha256 = QStringLiteral("abc");
        r.sensor.emplace();
        r.sensor->index = 3;
        r.sensor->name = QStringLiteral("Pt 1000");
        r.sensor->parameters = {{QStringLiteral("pt1000_r0"), 1000}, {QStringLiteral("pt1000_a"), 3.8505}};
        r.sensor->tolerance = 0.05;
        r.sensor->alpha = 0.0038505;
        r.maximum = 10;
        const QDateTime t0 = QDateTime::fromString(QStringLiteral("2026-12-09T10:00:00+01:00"), Qt::ISODate);
        for (int attempt = 0; attempt < 3; ++attempt) {
            r.started = r.updated = t0.addSecs(600 * attempt);
            r.state = attempt < 2 ? course::ausgewertet : course::beendet;
            r.answers = {};
            r.answers.type = 3;
            r.answers.typePoints = 2;
            if (attempt == 1) {
                r.answers.equation = "1000+3.8505*(T-273)";
                r.answers.equationPoints = 6;
                r.answers.equationDeviation = 0;
                r.answers.alpha = "0.0038505";
                r.answers.alphaPoints = 2;
                r.answers.alphaDeviation = 0;
            }
            if (attempt == 2)
                r.answers = {};
            r.total = r.answers.typePoints + r.answers.equationPoints + r.answers.alphaPoints;
            QCOMPARE(course::writeRecordFile(abgabe, course::recordFileName(r.id, QStringLiteral("pc"), r.started, 1),
                                             course::toJson(r)),
                     QString());
        }
        const Result out = kora({QStringLiteral("--ergebnisse"), abgabe, QStringLiteral("--wertung"), counting});
        QCOMPARE(out.status, 0);
        QTEST(lines(out.out).value(1).simplified(), "row");
    }

    void missingFolderOrWrongOption_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("missing folder") << QStringList{"--ergebnisse", "/gibt/es/nicht"}
                                        << QStringLiteral("Den Ordner /gibt/es/nicht gibt es nicht.\n");
        QTest::newRow("unknown counting") << QStringList{"--ergebnisse", ".", "--wertung", "mittel"}
                                          << QStringLiteral("--wertung kennt erster, bester oder letzter, nicht "
                                                            "\"mittel\".\nHilfe: kora --help\n");
        QTest::newRow("missing teacher's file") << QStringList{"--ergebnisse", ".", "--config", "/gibt/es/nicht.dlx"}
                                                << QStringLiteral("Die Datei /gibt/es/nicht.dlx lässt sich nicht lesen.\n");
        QTest::newRow("missing folder, English") << QStringList{"--ergebnisse", "/gibt/es/nicht", "--sprache", "en"}
                                                 << QStringLiteral("The folder /gibt/es/nicht does not exist.\n");
    }
    void missingFolderOrWrongOption()
    {
        QFETCH(QStringList, args);
        const Result r = kora(args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QString());
        QTEST(r.err, "err");
    }

    // Thirty students finish at the same moment; every record arrives whole.
    void thirtyRunsAtOnce()
    {
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int n = 0; n < 30; ++n) {
            runs.push_back(std::make_unique<QProcess>());
            startStudent(*runs.back(), dir->path(), QStringLiteral("Student %1").arg(n),
                         QStringLiteral("47%1").arg(n, 5, 10, QLatin1Char('0')), true);
        }
        QList<Result> results;
        for (auto& p : runs)
            results << finish(*p);
        for (const Result& r : results) {
            QCOMPARE(r.status, 0);
            QCOMPARE(notices(r.out), QStringList());
        }
        const Result r = kora({QStringLiteral("--ergebnisse"), path(QStringLiteral("abgabe")), QStringLiteral("--config"),
                               path(QStringLiteral("cmmup.dlx"))});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        const QStringList out = lines(r.out);
        QCOMPARE(out.size(), 32);
        QCOMPARE(out.last(), QStringLiteral("30 Studierende"));
        for (int n = 1; n <= 30; ++n)
            QVERIFY2(out[n].contains(QStringLiteral(" 10 von 10 ")), qPrintable(out[n]));
    }

    // A drop box (chmod 1733, owned by the teacher): a student writes his
    // own record but can neither list the folder nor read another's.
    void dropBoxAsAnUnprivilegedUser()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to run a student as the user nobody");
        const QStringList nobody = {QStringLiteral("/usr/bin/setpriv"), QStringLiteral("--reuid=65534"),
                                    QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
        const QString abgabe = path(QStringLiteral("abgabe"));
        QVERIFY(::chmod(QFile::encodeName(abgabe).constData(), 01733) == 0);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("daten")));
        QVERIFY(::chmod(QFile::encodeName(path(QStringLiteral("daten"))).constData(), 0777) == 0);
        const QString other = QStringLiteral("KORA-4711999-pc-20261209-100000-1.json");
        QCOMPARE(course::writeRecordFile(abgabe, other, "{}"), QString());

        const Result r = student(dir->path(), QStringLiteral("Nora Niemand"), QStringLiteral("4711001"), true, nobody);
        QCOMPARE(r.status, 0);
        QCOMPARE(notices(r.out), QStringList());
        const QString mine = recordOf(abgabe, QStringLiteral("4711001"));
        QVERIFY(!mine.isEmpty());
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(mine).constData(), &st), 0);
        QCOMPARE(st.st_uid, 65534u);
        QCOMPARE(st.st_mode & 0777, 0640u);
        // Evaluated, then ended: the end is added, the evaluation stays.
        const course::RunRecord record = course::readRecord(readFile(mine)).record;
        QCOMPARE(record.state, course::beendet);
        QVERIFY(std::any_of(record.moments.begin(), record.moments.end(),
                            [](const course::Moment& m) { return m.state == course::ausgewertet; }));

        QProcess peek;
        peek.setProcessEnvironment(offscreen());
        peek.start(nobody.first(), nobody.mid(1) + QStringList{QStringLiteral(STUDENT_EXE), QStringLiteral("--peek"),
                                                                abgabe, other});
        const Result seen = finish(peek);
        QCOMPARE(seen.out, QStringLiteral("gelistet=0 gelesen=0\n"));
        QCOMPARE(seen.status, 0);

        // A folder the student may not write to: the notice, and the local copy.
        QVERIFY(::chmod(QFile::encodeName(abgabe).constData(), 0755) == 0);
        const Result refused =
            student(dir->path(), QStringLiteral("Nora Niemand"), QStringLiteral("4711002"), false, nobody);
        QCOMPARE(refused.status, 0);
        const QString notice = QStringLiteral("Das Ergebnis kann nicht im Ordner %1 gespeichert werden: keine "
                                              "Schreibberechtigung. Bitte wenden Sie sich an die Aufsicht.")
                                   .arg(abgabe);
        QCOMPARE(notices(refused.out), (QStringList{notice, notice})); // at the sign-in, and again at the end
        QVERIFY(recordOf(abgabe, QStringLiteral("4711002")).isEmpty());
        QVERIFY(!recordOf(path(QStringLiteral("daten/kora/ergebnisse")), QStringLiteral("4711002")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "test_results.moc"
