// A course's run as the student meets it: the sign-in Formanmeldung, the
// personal variant, the result record at each of the four moments, the
// exam's lock and message, and a course folder that cannot be written.

#include "bench/formexp.h"
#include "configreport/report.h"
#include "course/overview.h"
#include "course/recordfile.h"
#include "course/variant.h"
#include "model/configcheck.h"
#include "recorder.h"
#include "signin/formanmeldung.h"
#include "studentrun.h"
#include "ui/translations.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
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
    using Variant = std::tuple<int, int, int, double, double>;
    Variant variantNow() const
    {
        const auto& s = w->state();
        return Variant{s.sensortyp, find<QAbstractSlider>("UpDownV")->value(), find<QAbstractSlider>("UpDownT")->value(),
                       s.pt1000_r0, s.pt1000_a};
    }
    // Every text a window shows as a label, and every message box.
    QStringList shownTexts(QWidget* window) const
    {
        QStringList texts = rec->messages;
        for (const QLabel* l : window->findChildren<QLabel*>())
            if (l->isVisible())
                texts << l->text();
        return texts;
    }

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
        // Nothing names the hidden sensor; the record keeps what draws it again.
        QVERIFY(!r.sensor);
        QVERIFY(!r.answers.type);
        QVERIFY(r.exam);
        QCOMPARE(r.maximum, 0);
        QVERIFY(!r.choice);
        QVERIFY(r.seed.toULongLong() > 0);
        QCOMPARE(r.runId.size(), 32);

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
        QVERIFY(!r.sensor); // an exam's record never names it
        // The exam keeps the sensor choice and the self-heating switch as
        // the file left them; only the bypass opens.
        QVERIFY(w->isEnabled());
        QVERIFY(find<QWidget>("Framesensor")->isHidden());
        QVERIFY(find<QWidget>("ToggleButton1")->isHidden());
        QVERIFY(find<QWidget>("Picture2")->isEnabled());
        w->close();
        r = courseRecord();
        QCOMPARE(r.state, course::beendet);
        QCOMPARE(r.moments.size(), std::size_t(3)); // begonnen, ausgewertet, beendet
        QCOMPARE(r.total, 10);                      // the end keeps the evaluation
        // The share has the record: the account keeps no copy for the next student.
        QVERIFY(QDir(course::localRecordFolder()).entryList(QDir::Files).isEmpty());
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

    // "4711001", "04711001", "4711-001" and " 4711001 " are one student: one
    // variant, one file name; the record keeps the number as it was typed.
    void everySpellingOfOneNumberIsOneStudent()
    {
        std::set<Variant> variants;
        for (const char* typed : {"4711001", "04711001", "4711-001", " 4711001 "}) {
            w.reset();
            QVERIFY(QDir(path("abgabe")).removeRecursively());
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("abgabe")));
            start(variant + "ergebnisse:ordner=abgabe\n", QString::fromLatin1(typed));
            variants.insert(variantNow());
            QCOMPARE(courseRecord().id, QString::fromLatin1(typed).trimmed());
            QVERIFY2(w->session()->fileName().startsWith(QStringLiteral("KORA-4711001-")),
                     qPrintable(w->session()->fileName()));
        }
        QCOMPARE(variants.size(), std::size_t(1));
    }

    // A course that asks for seven digits refuses any other form, with a line
    // that says so; seven digits pass.
    void stellenRefusesAnotherForm()
    {
        writeConfig("anmeldung:pflicht:stellen=7\n");
        QString hint;
        bool okEnabled = true;
        QTimer::singleShot(0, [&] {
            QWidget* d = QApplication::activeModalWidget();
            QTest::keyClicks(control<QLineEdit>(d, "TextName"), QStringLiteral("Anna Muster"));
            QTest::keyClicks(control<QLineEdit>(d, "TextMatrikel"), QStringLiteral("04711001"));
            hint = control<QLabel>(d, "Labelhinweis")->text();
            okEnabled = control<QPushButton>(d, "CommandOK")->isEnabled();
            QTest::mouseClick(control<QPushButton>(d, "CommandAbbrechen"), Qt::LeftButton);
        });
        QVERIFY(signin::signIn(dir->path()).cancelled);
        QCOMPARE(hint, QStringLiteral("Die Matrikelnummer besteht aus genau 7 Ziffern."));
        QVERIFY(!okEnabled);
        start("anmeldung:pflicht:stellen=7\n", QStringLiteral("4711001"));
    }

    // 8 of 10 points, then the sensor overheated: the evaluation stays in the
    // record, the destruction is one more moment.
    void destructionAfterTheEvaluationKeepsThePoints()
    {
        start("variante:schluessel=physik\nsensor:nr=3:off\nergebnisse:ordner=abgabe\n");
        QVERIFY(!courseRecord().sensor);
        QWidget* e = studentrun::evaluate(*w, 3, QStringLiteral("1000+3.8505*(t-273)"), QStringLiteral("1"));
        e->close();
        QVERIFY(rec->messages.join(QLatin1Char('\n')).contains(QStringLiteral("8 von 10 Punkten erreicht")));
        QVERIFY(w->isEnabled());
        w->state().tsensor = 151;
        w->Timer1_Timer();
        QVERIFY(w->destroyed());
        const course::RunRecord r = courseRecord();
        QCOMPARE(r.state, course::zerstoert);
        QStringList moments;
        for (const course::Moment& m : r.moments)
            moments << m.state;
        QCOMPARE(moments, (QStringList{course::begonnen, course::ausgewertet, course::zerstoert}));
        QCOMPARE(r.total, 8);
        QCOMPARE(r.maximum, 10);
        QCOMPARE(r.answers.type, std::optional<int>(3));
        QCOMPARE(r.answers.equation, std::optional<std::string>("1000+3.8505*(T-273)"));
        QCOMPARE(r.answers.alpha, std::optional<std::string>("1"));
        QCOMPARE(std::tuple(r.answers.typePoints, r.answers.equationPoints, r.answers.alphaPoints), std::tuple(2, 6, 0));
        // Outside an exam the record names what the evaluation has shown.
        QVERIFY(r.sensor);
        QCOMPARE(r.sensor->index, 3);
        QVERIFY(r.seed.isEmpty()); // the key word and the number draw it again
        // The teacher's grade file, with the variants checked: the 8 points
        // count, the destruction is noted, and nothing looks forged.
        QFile config(path("cmmup.dlx"));
        QVERIFY(config.open(QIODevice::ReadOnly));
        const course::TeacherFile teacher(config.readAll());
        const QString grades = QString::fromUtf8(
            course::csvText(course::readFolder(path("abgabe"), course::Counting::First, &teacher)));
        const QString row = grades.split(QLatin1Char('\n')).value(1);
        QVERIFY2(row.startsWith(QStringLiteral("4711001,Anna Muster,8,10,80.0,")), qPrintable(row));
        QVERIFY2(row.contains(QStringLiteral("Sensor nach der Auswertung zerstört")), qPrintable(row));
        QVERIFY2(!row.contains(QStringLiteral("Nachrechnung")), qPrintable(row));
    }

    // Before the evaluation no file under the student's home or in the course
    // folder names the hidden sensor, its formula or its values.
    void nothingNamesTheSensorBeforeTheEvaluation_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("values"); // as the file writes them
        QTest::newRow("NTC") << 0 << QByteArray("typ0:a=0.000371:b=4871.5:NTC-Widerstand:0.05")
                             << QStringList{"0.000371", "4871.5"};
        QTest::newRow("PTC") << 1 << QByteArray("typ1:a=1.07e-07:b=0.0647:PTC-Widerstand:0.05")
                             << QStringList{"0.0647"};
        QTest::newRow("Pt 100") << 2 << QByteArray("typ2:r0=101.3:a=0.3911:Pt 100:0.01")
                                << QStringList{"101.3", "0.3911"};
        QTest::newRow("Pt 1000") << 3 << QByteArray("typ3:r0=987.6:a=3.7913:Pt 1000:0.01")
                                 << QStringList{"987.6", "3.7913"};
        QTest::newRow("diode") << 4 << QByteArray("typ4:x:y:Flussspannung Si-Diode (konstanter Strom):0.1")
                               << QStringList{};
        QTest::newRow("current sensor") << 5 << QByteArray("typ5:i0=271.3:k=1.0731:Stromfühler:0.01")
                                        << QStringList{"271.3", "1.0731"};
        QTest::newRow("thermocouple") << 6 << QByteArray("typ6:k=5.17e-05:Thermoelement:0.03")
                                      << QStringList{"5.17e-05", "0.0517"};
    }
    void nothingNamesTheSensorBeforeTheEvaluation()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, values);
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            qputenv(name, path("home").toLocal8Bit() + (name[0] == 'H' ? "" : "/.") + QByteArray(name).mid(4).toLower());
        start("sensor:nr=" + QByteArray::number(type) + ":off\nergebnisse:ordner=abgabe\n" + line + "\n");
        find<QPushButton>("Commandmessen")->click(); // a journal row in its file
        const auto t = static_cast<std::size_t>(type);
        const QString formula = QString::fromStdString(w->state().formeltext[t]);
        QStringList secrets{QString::fromStdString(w->state().sensorname[t]), formula};
        for (const QString& v : values)
            secrets << v << QString(v).replace(QLatin1Char('.'), QLatin1Char(','));
        secrets << QString(formula).replace(QLatin1Char(','), QLatin1Char('.'))
                << QString(formula).replace(QLatin1Char('.'), QLatin1Char(','));
        for (const bool close : {false, true}) {
            if (close)
                w->close(); // the end without an evaluation writes once more
            QStringList searched;
            QDirIterator it(dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                if (it.fileName() == QLatin1String("cmmup.dlx"))
                    continue; // the teacher's own
                QFile f(file);
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QByteArray bytes = f.readAll();
                for (const QString& secret : secrets)
                    QVERIFY2(!bytes.contains(secret.toUtf8()), qPrintable(file + QStringLiteral(": ") + secret));
                searched << it.fileName();
            }
            // The record in the course folder and the journal's own file at least.
            QVERIFY2(searched.size() >= 2, qPrintable(searched.join(QLatin1Char(' '))));
        }
    }

    // An exam shows each answer's points, never the right type, equation or
    // alpha: not on the screen, not on the printed page.
    void examShowsNoRightAnswer()
    {
        start(exam); // a hidden Pt 1000
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        QWidget* e = w->evaluationWindow();
        QVERIFY(e && QTest::qWaitForWindowExposed(e));
        auto* list = control<QListWidget>(e, "Listsensoren");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QTest::mouseClick(control<QPushButton>(e, "Command1"), Qt::LeftButton);
        QStringList shown = shownTexts(e); // the type's verdict
        auto* box = control<QLineEdit>(e, "Textformel");
        for (const char* answer : {"500", "1"}) {
            QTest::keyClicks(box, QString::fromLatin1(answer));
            QTest::keyClick(box, Qt::Key_Return);
            shown << shownTexts(e);
        }
        QVERIFY(!control<QWidget>(e, "Imagesensor_3")->isVisible());
        QTest::mouseClick(control<QPushButton>(e, "Commanddruck"), Qt::LeftButton);
        QCOMPARE(rec->pdfFiles.size(), 1);
        const QString page = testsupport::pdfText(rec->pdfFiles.first());
        QVERIFY2(page.contains(QStringLiteral("Punktzahl = 0 von 10")), qPrintable(page));
        e->close();
        shown << shownTexts(e) << page;
        const QString all = shown.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(QStringLiteral("Das war glattweg falsch.")), qPrintable(all));
        const QString formula = QString::fromStdString(w->state().formeltext[3]);
        for (const QString& secret : {QStringLiteral("handelt"), QStringLiteral("Pt 1000"), formula,
                                      QStringLiteral("richtige Formel"), QStringLiteral("Richtig ist"),
                                      QStringLiteral("0,00385"), QStringLiteral("0.00385"), QStringLiteral("0,00357"),
                                      QStringLiteral("0.00357"), QStringLiteral("0,0038505"), QStringLiteral("0.0038505")})
            QVERIFY2(!all.contains(secret), qPrintable(secret + QStringLiteral(" in ") + all));
    }

    // The start reads the teacher's file once; the language, the sign-in and
    // the bench take it from there, wherever the working folder has gone.
    void theStartReadsTheTeachersFileOnce()
    {
        writeConfig("sprache:en\nsensor:nr=5:off\nbasic:u=12:r=0:t=30\nanmeldung:pflicht:stellen=7\n");
        const model::StartChoices choices = model::readStartChoices(dir->path().toStdString());
        QCOMPARE(choices.language, std::string("en"));
        QCOMPARE(choices.course.stellen, 7);
        QVERIFY(QFile::remove(path("cmmup.dlx")));
        w = std::make_unique<Formexp>(nullptr, choices.file);
        QCOMPARE(int(w->state().sensortyp), 5);
        QCOMPARE(find<QAbstractSlider>("UpDownV")->value(), 12);
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
        QVERIFY(QDir(course::localRecordFolder()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestCourse)
#include "test_course.moc"
