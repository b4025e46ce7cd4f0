#include "ui/services.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace ui {

namespace {
Services realServices;
Services* current = nullptr;

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
} // namespace

QString withLineBreaks(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void Services::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle, withLineBreaks(text), QMessageBox::Ok, parent);
    box.exec();
}

void Services::alert() { QApplication::beep(); }

bool Services::printPage(QWidget* parent, PageSource& page)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setDocName(QStringLiteral("KORA - Auswertung"));
        QPainter painter;
        if (painter.begin(&printer)) {
            page.paintPage(painter, printer);
            if (painter.end() && printer.printerState() != QPrinter::Error) {
                message(parent, QStringLiteral("Die Ergebnisse wurden an den Drucker ") +
                                    printer.printerName() + QStringLiteral(" geschickt."));
                return true;
            }
        }
    }
    const QString proposal = QDir::home().filePath(QStringLiteral("KORA-Auswertung.pdf"));
    const QString file = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Kein Drucker verfügbar - Ergebnisse als PDF speichern"), proposal,
        QStringLiteral("PDF-Dateien (*.pdf)"));
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
