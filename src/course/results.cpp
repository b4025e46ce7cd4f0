#include "course/results.h"

#include "course/archive.h"
#include "course/overview.h"
#include "course/text.h"
#include "course/variant.h"
#include "model/config.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace course {

namespace {

void print(std::FILE* to, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.data(), 1, static_cast<std::size_t>(utf8.size()), to);
}

int refuse(const QString& why)
{
    print(stderr, why + tr("\nHilfe: kora --help\n"));
    return 2;
}

bool save(const QString& file, const QByteArray& data)
{
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(data) == data.size() && out.commit())
        return true;
    print(stderr, tr("Die Datei %1 kann nicht geschrieben werden: %2\n")
                      .arg(QDir::toNativeSeparators(file), out.errorString()));
    return false;
}

} // namespace

bool wantsResults(const QStringList& arguments)
{
    for (const QString& a : arguments)
        if (a == QLatin1String("--ergebnisse") || a.startsWith(QLatin1String("--ergebnisse=")))
            return true;
    return false;
}

int runResults(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("ergebnisse"), tr("Ordner der Ergebnisse"),
                                    tr("ORDNER"));
    const QCommandLineOption csv(QStringLiteral("csv"), tr("Notendatei (CSV)"), tr("DATEI"));
    const QCommandLineOption html(QStringLiteral("html"), tr("Übersicht (HTML)"), tr("DATEI"));
    const QCommandLineOption counting(QStringLiteral("wertung"), tr("erster, bester oder letzter"), tr("ART"), QStringLiteral("erster"));
    const QCommandLineOption config(QStringLiteral("config"),
                                    tr("die cmmup.dlx des Kurses, um die Varianten zu prüfen"), tr("DATEI"));
    parser.addOptions({folder, csv, html, counting, config});
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(tr("Unerwartete Angabe: %1").arg(parser.positionalArguments().join(QLatin1Char(' '))));
    const QString how = parser.value(counting);
    if (how != QLatin1String("erster") && how != QLatin1String("bester") && how != QLatin1String("letzter"))
        return refuse(tr("--wertung kennt erster, bester oder letzter, nicht \"%1\".").arg(how));
    // A folder of records, or the zip a learning platform gives for all submissions.
    const QString dir = parser.value(folder);
    const bool zipped = !QFileInfo(dir).isDir() && isZipFile(dir);
    if (!QFileInfo(dir).isDir() && !zipped) {
        print(stderr, tr("Den Ordner %1 gibt es nicht.\n").arg(QDir::toNativeSeparators(dir)));
        return 2;
    }
    const Counting c = how == QLatin1String("bester")    ? Counting::Best
                       : how == QLatin1String("letzter") ? Counting::Last
                                                          : Counting::First;
    std::optional<TeacherFile> teacher;
    if (parser.isSet(config)) {
        // The reader's own way into the file: a regular file only, and no
        // more of it than the program reads at its start.
        const QString name = parser.value(config);
        const model::ConfigFile file = model::readConfigFile(QFile::encodeName(name).toStdString());
        if (file.kind != model::ConfigFile::Kind::Read) {
            print(stderr, tr("Die Datei %1 lässt sich nicht lesen.\n").arg(QDir::toNativeSeparators(name)));
            return 2;
        }
        teacher.emplace(QByteArray::fromStdString(file.bytes));
    }
    ZipContents zip;
    if (zipped) {
        zip = readRecordZip(dir);
        // A refused zip writes nothing: no table, no grade file, no page.
        if (!zip.error.isEmpty()) {
            print(stderr, tr("Die ZIP-Datei %1 wird nicht gelesen: %2.\n").arg(QDir::toNativeSeparators(dir), zip.error));
            return 2;
        }
    }
    const Overview o = zipped ? readZip(zip, c, teacher ? &*teacher : nullptr)
                              : readFolder(dir, c, teacher ? &*teacher : nullptr);
    print(stdout, tableText(o));
    if (parser.isSet(csv) && !save(parser.value(csv), csvText(o)))
        return 2;
    if (parser.isSet(html) && !save(parser.value(html), htmlPage(o, QFileInfo(dir).absoluteFilePath())))
        return 2;
    return o.status();
}

} // namespace course
