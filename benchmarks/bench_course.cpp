// A course's records:
//   courseWriteRecord  one result record written by the student's program,
//                      to the course folder and the local copy, with a
//                      journal of 50 rows (goal < 20 ms)
// With --make-records FOLDER [STUDENTS] it writes the records of a class
// instead, and the teacher's file they were drawn from as FOLDER/cmmup.dlx:
// by default 300 students with 3 or 4 runs each, 1 000 records, each with
// its personal variant, every evaluated one with an equation a few percent
// off, so that kora --ergebnisse --config draws every variant again and
// re-scores each with the whole comparison (scripts/bench times that run
// and its memory; scripts/screenshots shows a small class).

#include "course/record.h"
#include "course/recordfile.h"
#include "course/session.h"
#include "course/variant.h"
#include "grading/rescore.h"
#include "sensors.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using testsupport::exactEquation;

QJsonArray journalRows(int n)
{
    QJsonArray rows;
    for (int i = 1; i <= n; ++i)
        rows.append(QJsonObject{{QStringLiteral("Nr."), QString::number(i)},
                                {QStringLiteral("Zeit"), QStringLiteral("01:%1").arg(i % 60, 2, 10, QLatin1Char('0'))},
                                {QStringLiteral("Sensor"), QStringLiteral("–")},
                                {QStringLiteral("Thermostat"), QString::number(20 + i)},
                                {QStringLiteral("Anzeige"), QStringLiteral("07.63 V")}});
    return rows;
}

void courseWriteRecord(benchmark::State& st)
{
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("daten")).toLocal8Bit());
    QDir(dir.path()).mkdir(QStringLiteral("abgabe"));
    model::CourseSettings settings;
    settings.ergebnisse = "abgabe";
    course::Session session(settings, dir.path(), "ergebnisse:ordner=abgabe\n", {QStringLiteral("Anna Muster"), QStringLiteral("4711001")});
    model::ExperimentState s = testsupport::startState(3);
    evaluation::Answers answers;
    answers.type = 3;
    answers.equation = exactEquation[3];
    const QJsonArray rows = journalRows(50);
    for (auto _ : st) {
        const QString notice = session.write(course::ausgewertet, s, answers, rows, 10);
        if (!notice.isEmpty())
            st.SkipWithError(qPrintable(notice));
    }
}
BENCHMARK(courseWriteRecord)->Unit(benchmark::kMillisecond);

// Personal variants with a visible sensor choice; the drawn ranges are
// narrow, so that the equations written for the start values stay a few
// percent off.
const QByteArray classConfig = "variante:schluessel=bench\nsensor:nr=0:\n"
                               "typ0:a=rand(0.000357,0.0003571):b=5000:NTC-Widerstand:0.05\n"
                               "typ2:r0=rand(100,100.05):a=0.38505:Pt 100:0.01\n"
                               "typ3:r0=rand(1000,1000.5):a=3.8505:Pt 1000:0.01\n"
                               "typ6:k=rand(5e-05,5.001e-05):Thermoelement:0.03\n";

int makeRecords(const QString& folder, int students)
{
    if (const QString trouble = course::writeRecordFile(folder, QStringLiteral("cmmup.dlx"), classConfig);
        !trouble.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(trouble));
        return 1;
    }
    const course::TeacherFile teacher(classConfig);
    const QDateTime t0 = QDateTime::fromString(QStringLiteral("2026-12-09T08:00:00+01:00"), Qt::ISODate);
    const QJsonArray rows = journalRows(20);
    int written = 0;
    for (int student = 0; student < students && written < 1000; ++student) {
        const int type = student % model::sensorTypes;
        const int runs = student < students / 3 ? 4 : 3; // 400 + 600 = 1 000 for 300
        for (int run = 0; run < runs; ++run, ++written) {
            course::RunRecord r;
            r.program = QStringLiteral("1.0.0");
            r.id = QStringLiteral("47%1").arg(student, 5, 10, QLatin1Char('0'));
            r.name = QStringLiteral("Student %1").arg(student);
            r.host = QStringLiteral("pc%1").arg(student % 30);
            r.started = r.updated = t0.addSecs(60 * (30 * run + student % 30));
            r.configSha256 = teacher.sha256();
            r.runId = QStringLiteral("%1").arg(written, 32, 16, QLatin1Char('0'));
            r.state = run == runs - 1 ? course::beendet : course::ausgewertet;
            r.moments = {{course::begonnen, r.started}, {r.state, r.updated}};
            r.choice = type;
            r.sensor = teacher.variantOf(r);
            r.maximum = type <= 3 ? 10 : 8;
            r.journal = rows;
            if (r.state == course::ausgewertet) {
                r.answers.type = student % 4 == 3 ? (type + 1) % model::sensorTypes : type;
                // A factor a few percent off, around the whole equation.
                const int off = (student + run) % 6;
                r.answers.equation = "(" + std::string(exactEquation[type]) + ")*1.0" + std::to_string(off);
                r.answers.equationDeviation = 0;
            }
            // The points the program's own scoring gives these answers.
            const grading::Rescored points = grading::rescore(r.answers, course::toGrading(*r.sensor));
            r.answers.typePoints = points.typePoints;
            r.answers.equationPoints = points.equationPoints;
            r.total = points.total();
            const QString trouble = course::writeRecordFile(
                folder, course::recordFileName(r.id, r.host, r.started, 1000 + run), course::toJson(r));
            if (!trouble.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(trouble));
                return 1;
            }
        }
    }
    std::printf("records %d\n", written);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kora"));
    if (argc >= 3 && std::strcmp(argv[1], "--make-records") == 0)
        return makeRecords(QString::fromLocal8Bit(argv[2]), argc > 3 ? std::atoi(argv[3]) : 300);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
