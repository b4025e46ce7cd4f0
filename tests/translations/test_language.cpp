// The language of a run: the teacher's file, then the command line, German
// otherwise, whatever the desktop's locale. The bench and its task page as a
// student sees them in each language.

#include "bench/formexp.h"
#include "bench/layout.h"
#include "configreport/typenames.h"
#include "evaluation/formantwort.h"
#include "journal/csv.h"
#include "journal/formprotokoll.h"
#include "model/configcheck.h"
#include "model/state.h"
#include "recorder.h"
#include "sensors.h"
#include "signin/formanmeldung.h"
#include "ui/controls.h"
#include "ui/translations.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>
#include <optional>
#include <vector>

using ui::Language;

Q_DECLARE_METATYPE(std::optional<ui::Language>)

namespace {

QString dataHome; // where the journals go, a temporary folder

// What a window shows or tells a screen reader: its title, the captions,
// the list's entries, names and descriptions.
void collectWindow(const QWidget* window, QSet<QString>& texts)
{
    texts << window->windowTitle();
    for (const QWidget* c : window->findChildren<QWidget*>()) {
        texts << c->toolTip() << c->accessibleName() << c->accessibleDescription();
        if (const QVariant text = c->property("text"); text.typeId() == QMetaType::QString)
            texts << text.toString();
        if (const auto* list = qobject_cast<const QListWidget*>(c))
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
    }
}

// Everything the bench and its journal show or tell a screen reader, after
// the task page has gone, self-heating was switched and a reading was
// recorded, and the head of the journal copied to the clipboard.
QSet<QString> shownTexts()
{
    testsupport::Recorder rec;
    bench::Formexp w;
    w.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    w.show();
    QSet<QString> texts{w.windowTitle()};
    for (const QString& line : bench::taskPageText().split(QLatin1Char('\n')))
        texts << line;
    auto collect = [&texts](const QWidget* window) {
        collectWindow(window, texts);
        for (const QWidget* c : window->findChildren<QWidget*>()) {
            if (const auto* u = qobject_cast<const ui::UpDown*>(c))
                texts << u->valueText();
            if (const auto* table = qobject_cast<const QTableView*>(c))
                for (int col = 0; col < table->model()->columnCount(); ++col) {
                    texts << table->model()->headerData(col, Qt::Horizontal).toString();
                    for (int row = 0; row < table->model()->rowCount(); ++row)
                        texts << table->model()->index(row, col).data().toString();
                }
            if (const auto* view = qobject_cast<const QChartView*>(c)) {
                texts << view->chart()->title();
                for (const QAbstractAxis* axis : view->chart()->axes())
                    texts << axis->titleText();
                for (const QAbstractSeries* series : view->chart()->series())
                    texts << series->name();
            }
        }
    };
    collect(&w);
    QTest::mouseClick(testsupport::control<QWidget>(&w, "Picture1"), Qt::LeftButton);
    testsupport::control<QPushButton>(&w, "ToggleButton1")->click();
    testsupport::control<QPushButton>(&w, "Commandmessen")->click();
    collect(&w);
    testsupport::control<QPushButton>(&w, "Commandprotokoll")->click();
    collect(w.journalWindow());
    QApplication::clipboard()->clear();
    QTest::keyClick(testsupport::control<QTableView>(w.journalWindow(), "Tableprotokoll"), Qt::Key_C,
                    Qt::ControlModifier);
    for (const QString& head :
         QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0).split(QLatin1Char('\t')))
        texts << head;
    texts.remove(QString());
    // The journal's file names carry the time of the run.
    QSet<QString> stable;
    const QRegularExpression file(QRegularExpression::escape(dataHome) + QStringLiteral("\\S*"));
    for (QString text : texts)
        stable << text.replace(file, QStringLiteral("<file>"));
    return stable;
}

// Messages and captions come in lines, descriptions in sentences: a
// sentence left German among translated ones still counts.
QSet<QString> linesOf(const QSet<QString>& texts)
{
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]|(?<=[.!?])\\s+"));
    QSet<QString> out;
    for (const QString& text : texts)
        for (const QString& line : text.split(breaks))
            if (!line.trimmed().isEmpty())
                out << line;
    return out;
}

// The sign-in as a student fills it in: empty, a name, a Matrikelnummer
// too short, then a good one.
QSet<QString> signInTexts()
{
    signin::Formanmeldung dialog;
    dialog.show();
    QSet<QString> texts;
    collectWindow(&dialog, texts);
    QTest::keyClicks(testsupport::control<QLineEdit>(&dialog, "TextName"), QStringLiteral("Ada Muster"));
    collectWindow(&dialog, texts);
    QTest::keyClicks(testsupport::control<QLineEdit>(&dialog, "TextMatrikel"), QStringLiteral("12"));
    collectWindow(&dialog, texts);
    QTest::keyClicks(testsupport::control<QLineEdit>(&dialog, "TextMatrikel"), QStringLiteral("345"));
    collectWindow(&dialog, texts);
    return linesOf(texts);
}

// Every step of the evaluation of `type`, answered right: the type, the
// equation, alpha where it is asked, the report printed with two pages of
// journal, and a question before closing too early in a second window. The
// report's text goes to `pdf`.
QSet<QString> evaluationTexts(int type, QString& pdf)
{
    testsupport::Recorder rec;
    rec.student = {QStringLiteral("Ada Muster"), QStringLiteral("12345")};
    rec.answers = {false};
    QTemporaryDir folder;
    journal::Journal readings(folder.path(), nullptr);
    for (int i = 0; i < 60; ++i) {
        journal::Row r;
        r.sensor = QString::number(type + 1);
        r.thermostat = QString::number(20 + i);
        r.sensorTemp = QStringLiteral("%1,0").arg(20 + i);
        r.quelle = QStringLiteral("10");
        r.vorwiderstand = QStringLiteral("10 kOhm");
        r.messbereich = QStringLiteral("2 V");
        r.anzeige = QStringLiteral("0,%1 V").arg(500 + i);
        readings.record(r);
    }
    QSet<QString> texts;
    {
        model::ExperimentState early = testsupport::startState(type);
        evaluation::Formantwort w(early);
        w.show();
        w.close();
    }
    model::ExperimentState state = testsupport::startState(type);
    evaluation::Formantwort w(state);
    w.setJournal(&readings);
    w.show();
    collectWindow(&w, texts);
    auto* list = testsupport::control<QListWidget>(&w, "Listsensoren");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(type)).center());
    QTest::mouseClick(testsupport::control<QPushButton>(&w, "Command1"), Qt::LeftButton);
    collectWindow(&w, texts);
    auto* box = testsupport::control<QLineEdit>(&w, "Textformel");
    QTest::keyClicks(box, QStringLiteral("="));
    collectWindow(&w, texts);
    QTest::keyClick(box, Qt::Key_Backspace);
    // An equation that cannot be computed over the range first.
    QTest::keyClicks(box, QStringLiteral("LN(0-T)"));
    QTest::keyClick(box, Qt::Key_Return);
    collectWindow(&w, texts);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::fromLatin1(testsupport::exactEquation[type]));
    QTest::keyClick(box, Qt::Key_Return);
    collectWindow(&w, texts);
    if (box->isVisible()) {
        QTest::keyClicks(box, QStringLiteral("0,004"));
        QTest::keyClick(box, Qt::Key_Return);
        collectWindow(&w, texts);
    }
    QTest::mouseClick(testsupport::control<QPushButton>(&w, "Commanddruck"), Qt::LeftButton);
    w.close();
    pdf = rec.pdfFiles.isEmpty() ? QString() : testsupport::pdfText(rec.pdfFiles.constFirst());
    for (const QStringList* said :
         {&rec.messages, &rec.questions, &rec.questionButtons, &rec.pdfTitles, &rec.pdfProposals})
        for (const QString& text : *said)
            texts << text;
    return linesOf(texts);
}

// Texts that read the same in every language: numbers with their units,
// a symbol over its unit, the sensors' numbers, the meter, the status line's name.
bool languageNeutral(const QString& text)
{
    static const QRegularExpression measure(QStringLiteral("^[-0-9,.: ]*(°C|V|mV|kOhm|MOhm|Ohm)?$"));
    static const QRegularExpression axis(QStringLiteral("^[ϑUt] /(°C|V|min)$"));
    static const QRegularExpression sensor(QStringLiteral("^Sensor( [1-7])?$"));
    static const QStringList words{QStringLiteral("Voltmeter"), QStringLiteral("Status")};
    return measure.match(text).hasMatch() || axis.match(text).hasMatch() || sensor.match(text).hasMatch() ||
           words.contains(text);
}

// The formulas, symbols and names of an evaluation: the same in every
// language. A formula's words are its variables, units and functions.
bool formulaOrName(const QString& text)
{
    static const QStringList names{QStringLiteral("OK"), QStringLiteral("Name"), QStringLiteral("&Name"),
                                   QStringLiteral("Ada Muster"), QStringLiteral("Pt 100"), QStringLiteral("Pt 1000")};
    static const QStringList symbols{"R", "T", "Ud", "Ohm", "mV", "K", "To", "dT", "alpha", "in", "exp", "EXP", "LN"};
    static const QRegularExpression notLetters(QStringLiteral("[^A-Za-zÄÖÜäöüß]+"));
    if (names.contains(text))
        return true;
    for (const QString& word : text.split(notLetters, Qt::SkipEmptyParts))
        if (!symbols.contains(word))
            return false;
    return true;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    // The German the sources are written in, before any translator is
    // installed: with German numbers and on an English desktop.
    QSet<QString> sourceTexts_;
    QSet<QString> sourceTextsEnglishDesktop_;

private slots:
    void initTestCase()
    {
        dataHome = testsupport::useTemporaryDataHome();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        sourceTextsEnglishDesktop_ = shownTexts();
        testsupport::useGermanNumbers();
        sourceTexts_ = shownTexts();
        QVERIFY(sourceTexts_.contains(QStringLiteral("Messwert übernehmen")));
    }
    void cleanup() { ui::installLanguage(Language::German); }

    void choice_data()
    {
        QTest::addColumn<std::optional<Language>>("file");
        QTest::addColumn<std::optional<Language>>("commandLine");
        QTest::addColumn<Language>("chosen");
        const std::optional<Language> none, de = Language::German, en = Language::English;
        QTest::newRow("nothing: German") << none << none << Language::German;
        QTest::newRow("command line alone") << none << en << Language::English;
        QTest::newRow("file alone") << en << none << Language::English;
        QTest::newRow("file before command line, de") << de << en << Language::German;
        QTest::newRow("file before command line, en") << en << de << Language::English;
    }
    void choice()
    {
        QFETCH(std::optional<Language>, file);
        QFETCH(std::optional<Language>, commandLine);
        QFETCH(Language, chosen);
        QCOMPARE(ui::chooseLanguage(file, commandLine), chosen);
    }

    void codes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::optional<Language>>("language");
        QTest::newRow("de") << "de" << std::optional<Language>(Language::German);
        QTest::newRow("en") << "en" << std::optional<Language>(Language::English);
        QTest::newRow("a language not shipped") << "fr" << std::optional<Language>();
        QTest::newRow("spelled out") << "englisch" << std::optional<Language>();
        QTest::newRow("empty") << "" << std::optional<Language>();
    }
    void codes()
    {
        QFETCH(QString, code);
        QFETCH(std::optional<Language>, language);
        QCOMPARE(ui::languageNamed(code.toStdString()), language);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<std::optional<Language>>("language");
        const std::optional<Language> none, de = Language::German, en = Language::English;
        QTest::newRow("none") << QStringList{} << none;
        QTest::newRow("en") << QStringList{"--sprache", "en"} << en;
        QTest::newRow("glued on") << QStringList{"--sprache=en"} << en;
        QTest::newRow("among others") << QStringList{"-style", "fusion", "--sprache", "de"} << de;
        QTest::newRow("the last one counts") << QStringList{"--sprache", "en", "--sprache=de"} << de;
        QTest::newRow("no value") << QStringList{"--sprache"} << none;
        QTest::newRow("a language not shipped") << QStringList{"--sprache", "fr"} << none;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(std::optional<Language>, language);
        std::vector<QByteArray> bytes{"kora"};
        for (const QString& a : arguments)
            bytes.push_back(a.toUtf8());
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes)
            argv.push_back(b.constData());
        QCOMPARE(ui::languageOption(static_cast<int>(argv.size()), argv.data()), language);
    }

    // The start reads the teacher's choice before the first window.
    void teachersFileIsReadBeforeTheWindow_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QByteArray("typ0:a=rand(1e-4,2e-4):b=4000:NTC:0.05\nsprache:en\n")
                                 << "en";
        QTest::newRow("German") << QByteArray("sprache:de\n") << "de";
        QTest::newRow("a bad value chooses nothing") << QByteArray("sprache:englisch\n") << "";
        QTest::newRow("no line") << QByteArray("basic:u=12:x:t=30\n") << "";
    }
    void teachersFileIsReadBeforeTheWindow()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("cmmup.dlx")).toStdString();
        std::ofstream(path, std::ios::binary) << file.toStdString();
        QCOMPARE(QString::fromStdString(model::configuredLanguage(path)), language);
        QCOMPARE(QString::fromStdString(
                     model::configuredLanguage(dir.filePath(QStringLiteral("none")).toStdString())),
                 QString());
    }

    // A German lab whose PCs run an English locale sees no change.
    void englishDesktopWithoutChoiceShowsTheGermanTexts()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(ui::installLanguage(ui::chooseLanguage(std::nullopt, std::nullopt)));
        const QSet<QString> shown = shownTexts();
        testsupport::useGermanNumbers();
        QCOMPARE(shown, sourceTextsEnglishDesktop_);
    }

    void englishShowsNoGermanText()
    {
        QVERIFY(ui::installLanguage(Language::English));
        const QSet<QString> shown = shownTexts();
        QVERIFY(shown.contains(QStringLiteral("Record reading")));
        QVERIFY(shown.contains(QStringLiteral("<<Double-click to start>>")));
        QVERIFY(shown.contains(QStringLiteral("Series resistor")));
        QVERIFY(shown.contains(QStringLiteral("on"))); // self-heating, in the journal's row
        QStringList german;
        for (const QString& text : shown)
            if (sourceTexts_.contains(text) && !languageNeutral(text))
                german << text;
        german.sort();
        QVERIFY2(german.isEmpty(), qPrintable(german.join(QStringLiteral(" | "))));
    }

    // The seven type names as the subject names them in English; the
    // German ones are the experiment's start values; a teacher's name stays.
    void typeNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("english");
        const char* names[] = {"NTC thermistor",
                               "PTC thermistor",
                               "Pt 100",
                               "Pt 1000",
                               "Si diode, forward voltage (constant current)",
                               "Current-output sensor",
                               "Thermocouple"};
        for (int t = 0; t < model::sensorTypes; ++t)
            QTest::addRow("typ%d", t) << t << QString::fromUtf8(names[t]);
    }
    void typeNames()
    {
        QFETCH(int, type);
        QFETCH(QString, english);
        const std::string german = model::ExperimentState{}.sensorname[static_cast<std::size_t>(type)];
        QCOMPARE(configreport::typeName(type), QString::fromStdString(german));
        QVERIFY(ui::installLanguage(Language::English));
        QCOMPARE(configreport::typeName(type), english);
        QCOMPARE(configreport::shownSensorName(type, german), english);
        QCOMPARE(configreport::shownSensorName(type, "Fühler X"), QStringLiteral("Fühler X"));
    }

    // A journal file takes the language of the run that writes it; a file in
    // either language reads back in every run.
    void journalFilesInEitherLanguage_data()
    {
        QTest::addColumn<Language>("writer");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("German")
            << Language::German
            << QByteArray("Nr.,Zeit,Sensor,ϑ Thermostat /°C,ϑ Sensor /°C,U Quelle /V,Vorwiderstand,"
                          "Messbereich,Anzeige,Eigenerwärmung,Bemerkung,Zeit /s,Anzeige /V,"
                          "Vorwiderstand /Ohm\r\n")
            << QByteArray(",überbrückt,2 V,0.563 V,ein,");
        QTest::newRow("English")
            << Language::English
            << QByteArray("No.,Time,Sensor,ϑ thermostat /°C,ϑ sensor /°C,U source /V,"
                          "Series resistor,Range,Reading,Self-heating,Remark,Time /s,Reading /V,"
                          "Series resistor /Ohm\r\n")
            << QByteArray(",bypassed,2 V,0.563 V,on,");
    }
    void journalFilesInEitherLanguage()
    {
        QFETCH(Language, writer);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, words);
        journal::Row row;
        row.nr = 1;
        row.seconds = 65;
        row.sensor = QStringLiteral("5");
        row.thermostat = QStringLiteral("40");
        row.sensorTemp = QStringLiteral("39.8");
        row.quelle = QStringLiteral("10");
        row.vorwiderstand = journal::bypassed;
        row.messbereich = QStringLiteral("2 V");
        row.anzeige = QStringLiteral("0.563 V");
        row.eigenerwaermung = true;
        QVERIFY(ui::installLanguage(writer));
        const QByteArray file = journal::csvDocument({row}, journal::csvFormatFor(QLocale::c()));
        QCOMPARE(file.mid(3, head.size()), head);
        QVERIFY2(file.contains(words), file.constData());
        for (Language reader : {Language::German, Language::English}) {
            QVERIFY(ui::installLanguage(reader));
            const journal::ReadJournal back = journal::readCsv(file);
            QCOMPARE(back.reason, journal::Reason());
            QCOMPARE(back.rows, QList<journal::Row>{row});
        }
    }

    // The sign-in and every step of the evaluation, of an NTC and a diode,
    // with the printed report: nothing German is left but names, numbers
    // and formulas.
    void evaluationAndSignInShowNoGermanText_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("NTC") << 0;
        QTest::newRow("diode") << 4;
    }
    void evaluationAndSignInShowNoGermanText()
    {
        QFETCH(int, type);
        QString germanPdf, englishPdf;
        const QSet<QString> source = evaluationTexts(type, germanPdf) + signInTexts();
        QVERIFY(ui::installLanguage(Language::English));
        const QSet<QString> shown = evaluationTexts(type, englishPdf) + signInTexts();
        QVERIFY(shown.contains(QStringLiteral("Please sign in for this experiment.")));
        QVERIFY(shown.contains(QStringLiteral("That was right.")));
        QStringList german;
        for (const QString& text : shown)
            if (source.contains(text) && !languageNeutral(text) && !formulaOrName(text))
                german << text;
        german.sort();
        QVERIFY2(german.isEmpty(), qPrintable(german.join(QStringLiteral(" | "))));
        QVERIFY2(englishPdf.contains(QStringLiteral("Score =")), qPrintable(englishPdf));
        for (const char* word : {"Temperaturkennlinie", "rote Kurve", "blaue Kurve", "Abweichung", "Punktzahl",
                                 "Messprotokoll (Fortsetzung)", "Seite 3", "Vorwiderstand", "Bemerkung"}) {
            QVERIFY2(germanPdf.contains(QString::fromUtf8(word)), word);
            QVERIFY2(!englishPdf.contains(QString::fromUtf8(word)), qPrintable(englishPdf));
        }
    }

    // Back to German, the window shows the sources' texts again.
    void choosingAgainReplacesTheLanguage()
    {
        QVERIFY(ui::installLanguage(Language::English));
        QVERIFY(ui::installLanguage(Language::German));
        QCOMPARE(shownTexts(), sourceTexts_);
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
