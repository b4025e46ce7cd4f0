#include "app/commandline.h"

#include "configreport/report.h"
#include "model/configcheck.h"
#include "ui/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <string>

namespace app {

namespace {

void print(std::FILE* to, const std::string& utf8) { std::fwrite(utf8.data(), 1, utf8.size(), to); }
void print(std::FILE* to, const QString& text) { print(to, text.toStdString()); }

} // namespace

bool wantsCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        for (const char* option : {"-h", "--help", "-?", "-v", "--version", "--check-config"})
            if (std::strcmp(a, option) == 0)
                return true;
        // A file glued on with "=" is refused by the parser, not taken for a start.
        if (std::strncmp(a, "--check-config=", 15) == 0)
            return true;
    }
    return false;
}

int runCommandLine(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORA_VERSION));
    // The program speaks German on every machine; Qt's part of the help too.
    ui::loadQtTranslations(QLocale(QLocale::German, QLocale::Germany));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("KORA - Temperatursensoren als Zweipol. Ohne Optionen startet das Experiment."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QStringLiteral("Zeigt diese Hilfe an."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt die Versionsnummer an."));
    const QCommandLineOption check(
        QStringLiteral("check-config"),
        QStringLiteral("Prüft die Lehrerdatei DATEI (ohne Angabe cmmup.dlx im aktuellen Ordner): zeigt jede Zeile, "
                       "die das Programm beim Start melden würde, und was die Datei einstellt. Rückgabewert 0: "
                       "nichts zu melden, 1: Zeilen gemeldet, 2: Datei fehlt oder ist nicht lesbar."));
    parser.addOptions({help, version, check});
    parser.addPositionalArgument(QStringLiteral("DATEI"), QStringLiteral("die zu prüfende Datei (mit --check-config)"),
                                 QStringLiteral("[DATEI]"));

    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, parser.errorText() + QStringLiteral("\nHilfe: kora --help\n"));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("kora %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        print(stderr, QStringLiteral("Bitte nur eine Datei angeben.\nHilfe: kora --help\n"));
        return 2;
    }
    const QString file = files.isEmpty() ? QStringLiteral("cmmup.dlx") : files.front();
    const model::ConfigCheck result = model::checkConfig(QFile::encodeName(file).toStdString(), file.toStdString());
    print(result.status == 2 ? stderr : stdout, configreport::checkReport(result, file));
    return result.status;
}

} // namespace app
