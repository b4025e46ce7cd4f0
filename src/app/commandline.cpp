#include "app/commandline.h"

#include "configreport/report.h"
#include "course/results.h"
#include "model/configcheck.h"
#include "ui/translations.h"
#include "app/webpage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace app {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("app", text);
}

void print(std::FILE* to, const std::string& utf8) { std::fwrite(utf8.data(), 1, utf8.size(), to); }
void print(std::FILE* to, const QString& text) { print(to, text.toStdString()); }

// A refused command line: what was wrong, how a call looks and where the
// help is. The usage names the program as it is installed, not the path it
// was started by.
int refuse(const QString& error)
{
    print(stderr, error + tr("\nAufruf: kora [Optionen] [DATEI]\nHilfe: kora --help\n"));
    return 2;
}

// The arguments without `--sprache de|en` (or `--sprache=en`) before a "--";
// the language named goes to `chosen`, a missing or unknown one to `error`.
QStringList withoutLanguage(const QStringList& arguments, std::optional<ui::Language>& chosen, QString& error)
{
    QStringList rest;
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        options = options && a != QLatin1String("--");
        const bool spaced = a == QLatin1String("--sprache");
        if (!options || (!spaced && !a.startsWith(QLatin1String("--sprache=")))) {
            rest << a;
            continue;
        }
        if (spaced && i + 1 == arguments.size()) {
            error = tr("Nach --sprache fehlt die Sprache: de oder en.");
            continue;
        }
        const QString code = spaced ? arguments[++i] : a.mid(10);
        if (const auto language = ui::languageNamed(code.toStdString()))
            chosen = language;
        else
            error = tr("--sprache kennt de oder en, nicht \"%1\".").arg(code);
    }
    return rest;
}

// --help, --version, --check-config and --web; anything else is refused.
int answerOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("KORA - Temperatursensoren als Zweipol. Ohne Optionen startet das Experiment.\n"
           "Klassenübersicht aus den Ergebnissen eines Kurses (ohne Bildschirm):\n"
           "  kora --ergebnisse ORDNER [--csv DATEI] [--html DATEI] [--wertung erster|bester|letzter] "
           "[--config DATEI]\n"
           "Rückgabewert 0: alles gelesen, nichts zu melden; 1: Hinweise oder unlesbare Dateien; "
           "2: Ordner fehlt.\n"
           "Kursseite für den Browser: kora --web AUSGABE.html [--config DATEI]\n"
           "Sprache: --sprache de|en neben jeder Option; ohne Angabe Deutsch."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  tr("Zeigt diese Hilfe an."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Zeigt die Versionsnummer an."));
    const QCommandLineOption check(
        QStringLiteral("check-config"),
        tr("Prüft die Lehrerdatei DATEI (ohne Angabe cmmup.dlx im aktuellen Ordner): zeigt jede Zeile, "
           "die das Programm beim Start melden würde, und was die Datei einstellt. Rückgabewert 0: "
           "nichts zu melden, 1: Zeilen gemeldet, 2: Datei fehlt oder ist nicht lesbar."));
    const QCommandLineOption matrikel(
        QStringLiteral("matrikel"),
        tr("Mit --check-config: zeigt die persönliche Variante dieser Matrikelnummer (Lösungsschlüssel)."),
        QStringLiteral("N"));
    // The class overview's options and the language are answered before
    // this parser; they stand here so that the help lists every option.
    const QCommandLineOption results(QStringLiteral("ergebnisse"),
                                     tr("Klassenübersicht aus den Ergebnissen im ORDNER (ohne Bildschirm)."),
                                     tr("ORDNER"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 tr("Mit --ergebnisse: schreibt die Bewertungsdatei (CSV) nach DATEI."), tr("DATEI"));
    const QCommandLineOption html(QStringLiteral("html"),
                                  tr("Mit --ergebnisse: schreibt die Übersicht als Seite nach DATEI."), tr("DATEI"));
    const QCommandLineOption grading(
        QStringLiteral("wertung"),
        tr("Mit --ergebnisse: welcher Durchlauf je Student zählt (ohne Angabe erster)."),
        QStringLiteral("erster|bester|letzter"));
    const QCommandLineOption config(
        QStringLiteral("config"),
        tr("Mit --ergebnisse: zieht jede Variante aus der Lehrerdatei DATEI neu und prüft sie."), tr("DATEI"));
    const QCommandLineOption web(
        QStringLiteral("web"),
        tr("Schreibt die Laborseite für den Browser nach AUSGABE.html; mit --config DATEI steht die Lehrerdatei "
           "darin (Kursseite). Eine Datei mit Fehlern wird mit den Gründen abgelehnt."),
        tr("AUSGABE.html"));
    const QCommandLineOption language(QStringLiteral("sprache"), tr("Sprache der Ausgabe (ohne Angabe Deutsch)."),
                                      QStringLiteral("de|en"));
    parser.addOptions({help, version, check, matrikel, results, csv, html, grading, config, web, language});
    parser.addPositionalArgument(tr("DATEI"), tr("die zu prüfende Datei (mit --check-config)"), tr("[DATEI]"));

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("kora %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(web) && !parser.isSet(check)) {
        if (!files.isEmpty())
            return refuse(tr("Unerwartetes Argument '%1'.").arg(files.front()));
        for (const QCommandLineOption* overview : {&csv, &html, &grading})
            if (parser.isSet(*overview))
                return refuse(
                    tr("Die Option --%1 gilt nur zusammen mit --ergebnisse.").arg(overview->names().first()));
        return writeWebPage(parser.value(web), parser.value(config));
    }
    for (const QCommandLineOption* overview : {&csv, &html, &grading, &config})
        if (parser.isSet(*overview))
            return refuse(tr("Die Option --%1 gilt nur zusammen mit --ergebnisse.").arg(overview->names().first()));
    if (!parser.isSet(check)) {
        // A file to open, perhaps, but the experiment opens none.
        const QString stray = files.isEmpty() ? arguments.value(1) : files.front();
        return refuse(tr("Unerwartetes Argument '%1'.").arg(stray));
    }
    if (files.size() > 1)
        return refuse(tr("Bitte nur eine Datei angeben."));
    const QString file = files.isEmpty() ? QString::fromLatin1(model::configFileName) : files.front();
    const std::string id = parser.value(matrikel).toStdString();
    const model::ConfigCheck result = model::checkConfig(QFile::encodeName(file).toStdString(), file.toStdString(),
                                                         parser.isSet(matrikel) ? &id : nullptr);
    print(result.status == 2 ? stderr : stdout, configreport::checkReport(result, file));
    return result.status;
}

} // namespace

bool wantsCommandLine(int argc, char** argv)
{
    // The experiment itself takes no arguments but its language
    // (`--sprache de|en`, the second launcher's): every other argument
    // belongs to the command line, which answers it or refuses it.
    const bool languageAlone = (argc == 2 && std::string_view(argv[1]).starts_with("--sprache=")) ||
                               (argc == 3 && std::string_view(argv[1]) == "--sprache");
    return argc > 1 && !(languageAlone && ui::languageOption(argc, argv));
}

bool hasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    return false;
}

ui::Language languageOfTheRun(const model::StartChoices& choices, int argc, char** argv)
{
    return ui::chooseLanguage(ui::languageNamed(choices.language), ui::languageOption(argc, argv));
}

int refuseWithoutDisplay(int argc, char** argv)
{
    // In the language the run would have spoken.
    QCoreApplication application(argc, argv);
    ui::installLanguage(languageOfTheRun(model::readStartChoices("."), argc, argv));
    print(stderr, tr("Kein Bildschirm gefunden (DISPLAY ist leer): Das Experiment braucht eine grafische "
                     "Sitzung.\nIm Terminal antworten kora --help, kora --version und kora --check-config.\n"));
    return 1;
}

int runCommandLine(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORA_VERSION));
    // The answers speak German on every machine, Qt's part of the help too,
    // unless the teacher asks for English with `--sprache`. The teacher's
    // file chooses for the students' run, not for these answers.
    std::optional<ui::Language> chosen;
    QString languageError;
    const QStringList arguments = withoutLanguage(QCoreApplication::arguments(), chosen, languageError);
    ui::installLanguage(chosen.value_or(ui::Language::German));
    if (!languageError.isEmpty())
        return refuse(languageError);
    // The experiment starts with one language alone; named twice, it is asked
    // for again rather than guessed.
    if (arguments.size() == 1)
        return refuse(tr("Bitte --sprache nur einmal angeben."));

    // The class overview has options of its own.
    if (course::wantsResults(arguments))
        return course::runResults(arguments);
    return answerOptions(arguments);
}

} // namespace app
