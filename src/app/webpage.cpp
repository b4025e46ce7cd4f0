#include "app/webpage.h"

#include "configreport/report.h"
#include "model/configcheck.h"
#include "teacher/coursepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <string>

namespace app {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("app", text);
}

void print(std::FILE* to, const QString& text)
{
    const std::string utf8 = text.toStdString();
    std::fwrite(utf8.data(), 1, utf8.size(), to);
}

// The lab page the package installs, or, for a program run from its build
// tree, the one scripts/web builds there.
QString templatePath()
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString tree = QDir(QStringLiteral(KORA_BUILD_ROOT)).canonicalPath();
    if (!tree.isEmpty() && program.startsWith(tree + QLatin1Char('/')))
        return QStringLiteral(KORA_SOURCE_ROOT "/build/web/kora.html");
    return QStringLiteral("/usr/share/kora/web/kora.html");
}

} // namespace

int writeWebPage(const QString& output, const QString& config)
{
    std::string file;
    if (!config.isEmpty()) {
        // The file as a student's page would read it: the results folder
        // does not matter there, for the page hands the record to the student.
        const model::ConfigFile read = model::readConfigFile(QFile::encodeName(config).toStdString());
        model::ConfigCheck check;
        if (read.kind != model::ConfigFile::Kind::Missing)
            check = model::checkConfigFile(read, config.toStdString(), std::string());
        else
            check.status = 2;
        if (check.status != 0) {
            print(stderr, configreport::checkReport(check, config));
            if (check.status == 1)
                print(stderr, tr("Die Datei %1 hat Fehler; keine Kursseite geschrieben.\n").arg(config));
            return check.status;
        }
        file = read.bytes;
    }
    const QString from = templatePath();
    QFile page(from);
    if (!page.open(QIODevice::ReadOnly)) {
        print(stderr, tr("Die Vorlage der Seite %1 fehlt (das Paket installiert sie, im Quellbaum baut scripts/web "
                         "sie); nichts geschrieben.\n")
                          .arg(from));
        return 2;
    }
    const QByteArray bytes = page.readAll();
    const std::string lab(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::string course = config.isEmpty() ? lab : teacher::coursePage(lab, file);
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(course.data(), static_cast<qint64>(course.size())) != static_cast<qint64>(course.size()) ||
        !out.commit()) {
        print(stderr, tr("Die Seite %1 lässt sich nicht schreiben: %2\n").arg(output, out.errorString()));
        return 2;
    }
    print(stdout, config.isEmpty() ? tr("Die Seite %1 ist geschrieben.\n").arg(output)
                                   : tr("Die Kursseite %1 ist geschrieben, mit der Datei %2.\n").arg(output, config));
    return 0;
}

} // namespace app
