#include "ui/services.h"

#include "ui/messagebox.h"
#include "ui/printqueue.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace ui {

namespace {
Services realServices;
Services* current = nullptr;
} // namespace

bool printToPdf(const QString& file, PageSource& page)
{
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(page.documentTitle());
    writer.setCreator(appTitle());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    page.paintPage(painter, writer);
    return painter.end();
}

QString withLineBreaks(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void Services::message(QWidget* parent, const QString& text)
{
    makeMessageBox(parent, text, keepClear_)->exec();
}

void Services::messageBeside(QWidget* parent, const QString& text, const QRect& keepClear)
{
    // Through message(), so that whoever stands in for the boxes sees this
    // one too; restored after, for a box that opens while it is shown.
    const QRect before = keepClear_;
    keepClear_ = keepClear;
    message(parent, text);
    keepClear_ = before;
}

const QRect& Services::keepClear() const { return keepClear_; }

bool Services::ask(QWidget* parent, const QString& text, const QString& yes, const QString& no)
{
    auto box = makeQuestionBox(parent, text, yes, no);
    box->exec();
    return box->property("answeredYes").toBool();
}

void Services::alert() { QApplication::beep(); }

Services::PrintJob Services::printOnDefaultPrinter(PageSource& page)
{
    PrintJob job;
    if (QPrinterInfo::defaultPrinter().isNull())
        return job;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(page.documentTitle());
    job.printer = printer.printerName();
    job.printed = Printed::Failed;
    // Asked first: Qt hands the page over and reports success whatever the
    // print system answers.
    const printqueue::State queue = printqueue::stateOf(job.printer);
    if (!queue.exists) {
        job.why = QCoreApplication::translate("ui::Services", "Den Drucker %1 gibt es nicht mehr.")
                      .arg(job.printer);
        return job;
    }
    if (!queue.accepting) {
        job.why =
            QCoreApplication::translate("ui::Services", "Der Drucker %1 nimmt zurzeit keine Aufträge an.")
                .arg(job.printer);
        return job;
    }
    QPainter painter;
    const bool begun = painter.begin(&printer);
    if (begun)
        page.paintPage(painter, printer);
    if (!begun || !painter.end() || printer.printerState() == QPrinter::Error ||
        printqueue::lastRequestRefused()) {
        job.why =
            QCoreApplication::translate("ui::Services", "Der Drucker %1 hat den Auftrag nicht angenommen.")
                .arg(job.printer);
        return job;
    }
    job.printed = queue.stopped ? Printed::Waiting : Printed::Done;
    return job;
}

QString Services::askPdfFileName(QWidget* parent, const QString& title, const QString& proposal)
{
    return QFileDialog::getSaveFileName(parent, title, proposal,
                                        QCoreApplication::translate("ui::Services", "PDF-Dateien (*.pdf)"));
}

bool Services::printPage(QWidget* parent, PageSource& page)
{
    const PrintJob job = printOnDefaultPrinter(page);
    const QString sent =
        QCoreApplication::translate("ui::Services", "Die Ergebnisse wurden an den Drucker %1 geschickt.")
            .arg(job.printer);
    if (job.printed == Printed::Done) {
        message(parent, sent);
        return true;
    }
    if (job.printed == Printed::Waiting) {
        message(parent, sent + QCoreApplication::translate(
                                   "ui::Services",
                                   "\rDer Drucker ist zurzeit angehalten. Der Auftrag wartet in seiner "
                                   "Warteschlange und wird gedruckt, sobald der Drucker wieder läuft."));
        return true;
    }
    // Nothing is lost silently: the same page can go into a PDF file.
    const QString title = job.printed == Printed::NoPrinter
                              ? QCoreApplication::translate(
                                    "ui::Services", "Kein Drucker verfügbar - Ergebnisse als PDF speichern")
                              : QCoreApplication::translate(
                                    "ui::Services", "Drucken fehlgeschlagen - Ergebnisse als PDF speichern");
    const QString file = askPdfFileName(parent, title, QDir::home().filePath(page.fileNameProposal()));
    // Why the printer did not take the page comes first.
    const QString why = job.why.isEmpty() ? QString() : job.why + QLatin1Char('\r');
    if (file.isEmpty()) {
        message(parent,
                why + QCoreApplication::translate(
                          "ui::Services", "Die Ergebnisse wurden nicht gedruckt und nicht gespeichert."));
        return false;
    }
    if (printToPdf(file, page)) {
        message(parent, why +
                            QCoreApplication::translate(
                                "ui::Services", "Die Ergebnisse wurden als PDF-Datei gespeichert:\r") +
                            file);
        return true;
    }
    message(parent, why +
                        QCoreApplication::translate("ui::Services",
                                                    "Die PDF-Datei konnte nicht geschrieben werden:\r") +
                        file);
    return false;
}

QString appTitle()
{
    return QCoreApplication::translate("ui::Services", "KORA - Temperatursensoren als Zweipol");
}

QString PageSource::documentTitle() const
{
    return QCoreApplication::translate("ui::Services", "KORA - Auswertung");
}

QString PageSource::fileNameProposal() const
{
    return QCoreApplication::translate("ui::Services", "KORA-Auswertung.pdf");
}

Services& services()
{
    return current ? *current : realServices;
}

void setServices(Services* s)
{
    current = s;
}

} // namespace ui
