// A course's run as the student meets it: the sign-in Formanmeldung, the
// personal variant, the result record at each of the four moments, the
// exam's lock and message, and a course folder that cannot be written.

#include "bench/formexp.h"
#include "configreport/report.h"
#include "course/recordfile.h"
#include "course/rescore.h"
#include "model/configcheck.h"
#include "recorder.h"
#include "signin/formanmeldung.h"
#include "studentrun.h"
#include "ui/translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <set>
#include <tuple>

using bench::Formexp;
using testsupport::control;

namespace {

const QByteArray exam = "sensor:nr=3:off\nergebnisse:ordner=abgabe\npruefung:on\n";
const QByteArray variant = "variante:schluessel=physik\nsensor:nr=randint(0,6):off\n"
                           "basic:u=randint(5,15):r=0:t=randint(20,40)\n"
                           "typ3:r0=rand(900,1100):a=rand(3.5,4):pt-1000:0.05\n";

} // namespace

class TestCourse : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Formexp> w;

    template <class T> T* find(const char* name) const { return control<T>(w.get(), name); }
    QString path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }

    void writeConfig(const QByteArray& config)
    {
        QFile f(path("cmmup.dlx"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(config);
    }
    // Signs in and puts up the bench, its timer stopped.
    void start(const QByteArray& config, const QString& id = QStringLiteral("4711001"))
    {
        writeConfig(config);
        QDir::setCurrent(dir->path());
        studentrun::answerSignIn(QStringLiteral("Anna Muster"), id);
        signin::Start s = signin::signIn(dir->path());
        QVERIFY(!s.cancelled);
        QVERIFY(s.session);
        w = std::make_unique<Formexp>(std::move(s.session));
        w->findChild<QTimer*>("Timer1")->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    static course::RunRecord recordIn(const QString& folder)
    {
        const QStringList files = QDir(folder).entryList({QStringLiteral("KORA-*.json")}, QDir::Files);
        if (files.size() != 1)
            qFatal("%lld records in %s", static_cast<long long>(files.size()), qPrintable(folder));
        QFile f(QDir(folder).filePath(files.first()));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("unreadable record");
        const course::ReadRecord read = course::readRecord(f.readAll());
        if (!read.error.isEmpty())
            qFatal("%s", qPrintable(read.error));
        return read.record;
    }
    course::RunRecord courseRecord() const { return recordIn(path("abgabe")); }

private slots:
    void init()
    {
        rec = std::make_unique<testsupport::Recorder>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("abgabe")));
        qputenv("XDG_DATA_HOME", path("daten").toLocal8Bit());
    }
    void cleanup()
    {
        w.reset();
        rec.reset();
        ui::installLanguage(ui::Language::German);
        QDir::setCurrent(QDir::tempPath());
    }

    void signInNeedsBothEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("hint"); // empty: OK takes the entries
        const QString rule = QStringLiteral("Die Matrikelnummer besteht aus 3 bis 20 Buchstaben, Ziffern oder \"-\".");
        QTest::newRow("nothing") << "" << "" << QStringLiteral("Bitte geben Sie Ihren Namen ein.");
        QTest::newRow("blanks are no name") << "   " << "4711001" << QStringLiteral("Bitte geben Sie Ihren Namen ein.");
        QTest::newRow("name only") << "Anna Muster" << "" << QStringLiteral("Bitte geben Sie Ihre Matrikelnummer ein.");
        QTest::newRow("two characters") << "Anna" << "47" << rule;
        QTest::newRow("a blank inside") << "Anna" << "47 11" << rule;
        QTest::newRow("a slash") << "Anna" << "47/11" << rule;
        QTest::newRow("letters, digits, dash") << "Anna Muster" << "ab-4711" << "";
        QTest::newRow("twenty") << "Anna" << "12345678901234567890" << "";
    }
    void signInNeedsBothEntries()
    {
        QFETCH(QString, name);
        QFETCH(QString, id);
        QFETCH(QString, hint);
        signin::Formanmeldung d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // The keyboard starts in the name and walks on with Tab.
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(&d, "TextName"));
        QTest::keyClicks(QApplication::focusWidget(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(&d, "TextMatrikel"));
        QTest::keyClicks(QApplication::focusWidget(), id);
        QCOMPARE(control<QLabel>(&d, "Labelhinweis")->text(), hint);
        QCOMPARE(control<QPushButton>(&d, "CommandOK")->isEnabled(), hint.isEmpty());
        QCOMPARE(control<QPushButton>(&d, "CommandOK")->accessibleDescription(), hint);
        // Enter signs in exactly when OK would.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result() == QDialog::Accepted, hint.isEmpty());
        if (hint.isEmpty())
            QCOMPARE(d.student().id, id);
    }

    void abbrechenEndsAndLeavesNothing()
    {
        writeConfig("anmeldung:pflicht\nergebnisse:ordner=abgabe\n");
        studentrun::answerSignIn(QStringLiteral("Anna Muster"), QStringLiteral("4711001"), "CommandAbbrechen");
        const signin::Start s = signin::signIn(dir->path());
        QVERIFY(s.cancelled);
        QVERIFY(!s.session);
        QVERIFY(QDir(path("abgabe")).isEmpty());
        QVERIFY(!QFileInfo::exists(path("daten")));
        QVERIFY(rec->messages.isEmpty());
    }

    void withoutCourseLinesNoSignIn()
    {
        writeConfig("sensor:nr=2:off\nDie ergebnisse stehen an der Tafel.\n");
        const signin::Start s = signin::signIn(dir->path());
        QVERIFY(!s.cancelled);
        QVERIFY(!s.session);
    }

    void sameVariantOnEveryStartAndItsAnswerKey()
    {
        using Variant = std::tuple<int, int, int, double, double>;
        auto variantNow = [this] {
            const auto& s = w->state();
            return Variant{s.sensortyp, find<QAbstractSlider>("UpDownV")->value(),
                           find<QAbstractSlider>("UpDownT")->value(), s.pt1000_r0, s.pt1000_a};
        };
        start(variant);
        const Variant first = variantNow();
        QVERIFY(find<QRadioButton>(("Option1_" + std::to_string(std::get<0>(first))).c_str())->isChecked());
        w.reset();
        start(variant);
        QCOMPARE(variantNow(), first);
        // The teacher's key names the same sensor and values.
        const std::string id = "4711001";
        const std::string key = configreport::checkReport(
                                    model::checkConfig(path("cmmup.dlx").toStdString(), "cmmup.dlx", &id),
                                    QStringLiteral("cmmup.dlx"))
                                    .toStdString();
        const QString sensorRow = QStringLiteral("\nSensor: %1 (").arg(std::get<0>(first));
        QVERIFY2(QString::fromStdString(key).contains(sensorRow), key.c_str());
        QVERIFY(QString::fromStdString(key).contains(QStringLiteral("\nQuellenspannung: %1 V\n").arg(std::get<1>(first))));
        QVERIFY(QString::fromStdString(key).contains(QStringLiteral("\nThermostat-Sollwert: %1 °C\n").arg(std::get<2>(first))));
        // Other students draw other variants.
        std::set<Variant> others;
        for (const char* other : {"4711002", "4711003", "4711004", "4711005", "4711006"}) {
            w.reset();
            start(variant, QString::fromLatin1(other));
            others.insert(variantNow());
        }
        QVERIFY(others.size() >= 4);
        QVERIFY(!others.contains(first));
    }

    void recordAfterSignInAndEvaluationWithTheExamLock()
    {
        start(exam);
        course::RunRecord r = courseRecord();
        QCOMPARE(r.state, course::begonnen);
        QCOMPARE(r.id, QStringLiteral("4711001"));
        QCOMPARE(r.name, QStringLiteral("Anna Muster"));
        QCOMPARE(r.sensor->index, 3);
        QVERIFY(!r.answers.type);

        // The report prints the identity and asks nothing.
        QWidget* e = studentrun::evaluatePt1000Perfectly(*w);
        QTest::mouseClick(control<QPushButton>(e, "Commanddruck"), Qt::LeftButton);
        QCOMPARE(rec->studentAsks, 0);
        QCOMPARE(rec->pdfFiles.size(), 1);
        const QString page = testsupport::pdfText(rec->pdfFiles.first());
        if (!page.isEmpty())
            QVERIFY2(page.contains(QStringLiteral("Name: Anna Muster Matrikelnummer: 4711001")), qPrintable(page));
        QCOMPARE(courseRecord().state, course::begonnen); // nothing between the moments
        e->close();

        r = courseRecord();
        QCOMPARE(r.state, course::ausgewertet);
        QCOMPARE(r.answers.type, std::optional<int>(3));
        QCOMPARE(r.answers.equation, std::optional<std::string>("1000+3.8505*(T-273)"));
        QCOMPARE(r.answers.alpha, std::optional<std::string>("0.0038505"));
        QCOMPARE(r.total, 10);
        QCOMPARE(r.maximum, 10);
        QCOMPARE(r.answers.equationDeviation, std::optional<double>(0));
        QVERIFY(course::pointsMatch(r, course::rescore(r.answers, *r.sensor)));
        // The exam keeps the sensor choice and the self-heating switch as
        // the file left them; only the bypass opens.
        QVERIFY(w->isEnabled());
        QVERIFY(find<QWidget>("Framesensor")->isHidden());
        QVERIFY(find<QWidget>("ToggleButton1")->isHidden());
        QVERIFY(find<QWidget>("Picture2")->isEnabled());
        w->close();
        QCOMPARE(courseRecord().state, course::ausgewertet);
        QCOMPARE(recordIn(course::localRecordFolder()).state, course::ausgewertet);
    }

    void recordAtTheDestructionAndAtTheEnd_data()
    {
        QTest::addColumn<bool>("overheat");
        QTest::addColumn<QString>("state");
        QTest::newRow("destroyed") << true << course::zerstoert;
        QTest::newRow("closed without an evaluation") << false << course::beendet;
    }
    void recordAtTheDestructionAndAtTheEnd()
    {
        QFETCH(bool, overheat);
        start(exam);
        find<QPushButton>("Commandmessen")->click();
        if (overheat) {
            w->state().tsensor = 151;
            w->Timer1_Timer();
            QVERIFY(w->destroyed());
        } else {
            w->close();
        }
        const course::RunRecord r = courseRecord();
        QTEST(r.state, "state");
        QCOMPARE(r.journal.size(), 1);
        QCOMPARE(r.journal.first().toObject().value(QStringLiteral("Sensor")).toString(), QStringLiteral("–"));
        // The file's number columns too, with a decimal point.
        QVERIFY(r.journal.first().toObject().value(QStringLiteral("Anzeige /V")).toString().contains(QLatin1Char('.')));
        QVERIFY(r.updated >= r.started);
    }

    // What a student is told, in either language.
    void examStartUpMessageShowsNoLine_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("said");
        QTest::newRow("German") << false
                                << "Die Lehrerdatei cmmup.dlx enthält Fehler. Bitte wenden Sie sich an die Aufsicht.";
        QTest::newRow("English") << true << "The teacher's file cmmup.dlx contains errors. Please ask the supervisor.";
    }
    void examStartUpMessageShowsNoLine()
    {
        QFETCH(bool, english);
        ui::installLanguage(english ? ui::Language::English : ui::Language::German);
        start("pruefung:on\nbasic:u=99:x:t=20\nsensor:nr=geheim:off\n");
        QTEST(rec->messages.value(0), "said");
        QCOMPARE(rec->messages.size(), 1);
    }

    void unwritableCourseFolderNoticeLocalCopyAndRetry_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("said");
        QTest::newRow("German") << false
                                << "Das Ergebnis kann nicht im Ordner %1 gespeichert werden: das ist kein Ordner. "
                                   "Bitte wenden Sie sich an die Aufsicht.";
        QTest::newRow("English") << true
                                 << "The result cannot be saved in the folder %1: that is not a folder. "
                                    "Please ask the supervisor.";
    }
    void unwritableCourseFolderNoticeLocalCopyAndRetry()
    {
        QFETCH(bool, english);
        QFETCH(QString, said);
        ui::installLanguage(english ? ui::Language::English : ui::Language::German);
        QVERIFY(QDir(path("abgabe")).removeRecursively());
        QFile blocker(path("abgabe"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        start(exam);
        QCOMPARE(rec->messages, QStringList{said.arg(QDir::toNativeSeparators(path("abgabe")))});
        QCOMPARE(recordIn(course::localRecordFolder()).state, course::begonnen);
        // The teacher mends the share; the next moment finds it.
        QVERIFY(QFile::remove(path("abgabe")));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("abgabe")));
        w->close();
        QCOMPARE(rec->messages.size(), 1);
        QCOMPARE(courseRecord().state, course::beendet);
        QCOMPARE(recordIn(course::localRecordFolder()).state, course::beendet);
    }
};

QTEST_MAIN(TestCourse)
#include "test_course.moc"
