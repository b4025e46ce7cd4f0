#include "recorder.h"

#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QCoreApplication>

namespace testsupport {

Recorder::Recorder()
{
    pdfFolder = QDir::temp().filePath(QStringLiteral("kora-test-pages"));
    QDir().mkpath(pdfFolder);
    ui::setServices(this);
}

Recorder::~Recorder() { ui::setServices(nullptr); }

void Recorder::message(QWidget*, const QString& text)
{
    messages << text;
    if (onMessage)
        onMessage(text);
}

void Recorder::alert() { ++alerts; }

bool Recorder::printPage(QWidget*, ui::PageSource& page)
{
    const QString file =
        QDir(pdfFolder).filePath(QStringLiteral("page-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(pdfFiles.size()));
    if (!ui::printToPdf(file, page))
        return false;
    pdfFiles << file;
    return true;
}

void useGermanNumbers() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

QString pdfText(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return {};
    // Layout mode spaces words by their positions: compare words, not blanks.
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace testsupport
