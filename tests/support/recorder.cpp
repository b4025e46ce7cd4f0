#include "recorder.h"

#include "ui/messagebox.h"

#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace testsupport {

Recorder::Recorder()
{
    pdfFolder = QDir::temp().filePath(QStringLiteral("kora-test-pages"));
    QDir().mkpath(pdfFolder);
    useTemporaryDataHome();
    ui::setServices(this);
}

Recorder::~Recorder() { ui::setServices(nullptr); }

void Recorder::message(QWidget* parent, const QString& text)
{
    // A box placed beside a rectangle is shown for real when asked, and
    // where it stood is kept.
    if (showBoxes && !keepClear().isEmpty()) {
        const std::unique_ptr<QDialog> box = ui::makeMessageBox(parent, text, keepClear());
        box->show();
        if (QTest::qWaitForWindowExposed(box.get()))
            QTest::qWait(50); // the box settles its size while it is shown
        boxFrames << box->frameGeometry();
        keptClear << keepClear();
        box->close();
    }
    messages << text;
    if (onMessage)
        onMessage(text);
}

bool Recorder::ask(QWidget*, const QString& text, const QString& yes, const QString& no)
{
    questions << text;
    questionButtons << yes + QLatin1Char('|') + no;
    return answers.isEmpty() ? true : answers.takeFirst();
}

void Recorder::alert() { ++alerts; }

bool Recorder::printPage(QWidget*, ui::PageSource& page)
{
    const QString file =
        QDir(pdfFolder).filePath(QStringLiteral("page-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(pdfFiles.size()));
    pdfTitles << page.documentTitle();
    pdfProposals << page.fileNameProposal();
    if (!ui::printToPdf(file, page))
        return false;
    pdfFiles << file;
    return true;
}

bool Recorder::askStudent(QWidget*, ui::Student& s)
{
    ++studentAsks;
    if (studentCancels)
        return false;
    s = student;
    return true;
}

QString Recorder::askSaveFileName(QWidget*, const QString&, const QString& proposal, const QString&)
{
    saveFileProposals << proposal;
    return saveFileAnswer;
}

QString useTemporaryDataHome()
{
    // Kept for the whole test program; a test that wants an empty folder
    // of its own sets the variable itself.
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", dir->filePath(QStringLiteral("data")).toLocal8Bit());
    }
    return dir->filePath(QStringLiteral("data"));
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
