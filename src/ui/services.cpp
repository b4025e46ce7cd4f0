#include "ui/services.h"

#include "ui/messagebox.h"

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
    writer.setTitle(QStringLiteral("KORA - Auswertung"));
    writer.setCreator(appTitle);
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

void Services::message(QWidget* parent, const QString& text) { makeMessageBox(parent, text)->exec(); }

void Services::alert() { QApplication::beep(); }

Services::Printed Services::printOnDefaultPrinter(PageSource& page, QString& name)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        return Printed::NoPrinter;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("KORA - Auswertung"));
    name = printer.printerName();
    QPainter painter;
    if (!painter.begin(&printer))
        return Printed::Failed;
    page.paintPage(painter, printer);
    return painter.end() && printer.printerState() != QPrinter::Error ? Printed::Done : Printed::Failed;
}

QString Services::askPdfFileName(QWidget* parent, const QString& title, const QString& proposal)
{
    return QFileDialog::getSaveFileName(parent, title, proposal, QStringLiteral("PDF-Dateien (*.pdf)"));
}

bool Services::printPage(QWidget* parent, PageSource& page)
{
    QString printerName;
    const Printed printed = printOnDefaultPrinter(page, printerName);
    if (printed == Printed::Done) {
        message(parent, QStringLiteral("Die Ergebnisse wurden an den Drucker ") + printerName +
                            QStringLiteral(" geschickt."));
        return true;
    }
    // Nothing is lost silently: the same page can go into a PDF file.
    const QString title = printed == Printed::NoPrinter
                              ? QStringLiteral("Kein Drucker verfügbar - Ergebnisse als PDF speichern")
                              : QStringLiteral("Drucken fehlgeschlagen - Ergebnisse als PDF speichern");
    const QString file =
        askPdfFileName(parent, title, QDir::home().filePath(QStringLiteral("KORA-Auswertung.pdf")));
    if (file.isEmpty()) {
        message(parent, QStringLiteral("Die Ergebnisse wurden nicht gedruckt und nicht gespeichert."));
        return false;
    }
    if (printToPdf(file, page)) {
        message(parent, QStringLiteral("Die Ergebnisse wurden als PDF-Datei gespeichert:\r") + file);
        return true;
    }
    message(parent, QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden:\r") + file);
    return false;
}

Services& services() { return current ? *current : realServices; }

void setServices(Services* s) { current = s; }

} // namespace ui
