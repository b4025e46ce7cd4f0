// The language of a run: the teacher's file, then the command line, German
// otherwise, whatever the desktop's locale. The bench and its task page as a
// student sees them in each language.

#include "bench/formexp.h"
#include "bench/layout.h"
#include "model/configcheck.h"
#include "recorder.h"
#include "ui/controls.h"
#include "ui/translations.h"

#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>
#include <optional>

using ui::Language;

Q_DECLARE_METATYPE(std::optional<ui::Language>)

namespace {

// Everything the window shows or tells a screen reader, after the task page
// has gone, self-heating was switched and a reading was recorded.
QSet<QString> shownTexts()
{
    testsupport::Recorder rec;
    bench::Formexp w;
    w.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    w.show();
    QSet<QString> texts{w.windowTitle()};
    for (const QString& line : bench::taskPageText().split(QLatin1Char('\n')))
        texts << line;
    auto collect = [&texts, &w] {
        for (const QWidget* c : w.findChildren<QWidget*>()) {
            texts << c->toolTip() << c->accessibleName() << c->accessibleDescription();
            if (const QVariant text = c->property("text"); text.typeId() == QMetaType::QString)
                texts << text.toString();
            if (const auto* u = qobject_cast<const ui::UpDown*>(c))
                texts << u->valueText();
        }
    };
    collect();
    QTest::mouseClick(testsupport::control<QWidget>(&w, "Picture1"), Qt::LeftButton);
    testsupport::control<QPushButton>(&w, "ToggleButton1")->click();
    testsupport::control<QPushButton>(&w, "Commandmessen")->click();
    collect();
    texts.remove(QString());
    return texts;
}

// Texts that read the same in every language: numbers with their units,
// the sensors' numbers, the meter, the status line's name.
bool languageNeutral(const QString& text)
{
    static const QRegularExpression measure(QStringLiteral("^[-0-9,. ]*(°C|V|mV|kOhm|MOhm|Ohm)?$"));
    static const QStringList words{QStringLiteral("Voltmeter"), QStringLiteral("Status")};
    return measure.match(text).hasMatch() || words.contains(text) ||
           text.contains(QRegularExpression(QStringLiteral("^Sensor [1-7]$")));
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
        testsupport::useTemporaryDataHome();
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

    // The start reads the teacher's choice before the first window.
    void teachersFileIsReadBeforeTheWindow_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QByteArray("typ0:a=rand(1e-4,2e-4):b=4000:NTC:0.05\nsprache:en\n") << "en";
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
        QCOMPARE(QString::fromStdString(model::configuredLanguage(dir.filePath(QStringLiteral("none")).toStdString())),
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
        QStringList german;
        for (const QString& text : shown)
            if (sourceTexts_.contains(text) && !languageNeutral(text))
                german << text;
        german.sort();
        QCOMPARE(german, QStringList());
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
