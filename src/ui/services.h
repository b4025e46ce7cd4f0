#pragma once
// The services that block or reach outside the program: the modal message
// box, the alert sound and the printer. The windows reach them only through
// ui::services(); a test installs a recorder, so nothing ever blocks it.

#include <QRect>
#include <QString>

class QWidget;
class QPainter;
class QPagedPaintDevice;

namespace ui {

// The application's title, the caption of every message box.
QString appTitle();

// One printed page: the callback paints it on a device measured in the
// device's own units; printPage reports whether the page reached a printer
// or a file.
class PageSource {
public:
    virtual ~PageSource() = default;
    // May go on to further pages with device.newPage().
    virtual void paintPage(QPainter& painter, QPagedPaintDevice& device) = 0;
    // The document's title (PDF metadata, print job) and the file name
    // proposed when it is saved as a PDF.
    virtual QString documentTitle() const;
    virtual QString fileNameProposal() const;
};

// Who printed the report; both parts may stay empty.
struct Student {
    QString name;
    QString matrikel;
};

class Services {
public:
    virtual ~Services() = default;
    // Modal, one OK button, the application's title; every CR is a line break.
    virtual void message(QWidget* parent, const QString& text);
    // The same box through message(), placed clear of `keepClear` (global
    // coordinates): beside, below, left of or above it, as far as the
    // screen has room.
    void messageBeside(QWidget* parent, const QString& text, const QRect& keepClear);
    // A modal question with the buttons `yes` and `no`; `no` is the default
    // and what Esc answers. True for `yes`.
    virtual bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no);
    // The system's alert sound, once.
    virtual void alert();
    // Print one page on the default printer; where there is none, or
    // printing fails, offer to save it as a PDF file. Tells the student
    // where the page went; returns true when it went somewhere.
    virtual bool printPage(QWidget* parent, PageSource& page);
    // Asks for the name and the matriculation number for the report,
    // starting from `student`; false when the student cancels.
    virtual bool askStudent(QWidget* parent, Student& student);
    // Where to save a file; empty when the student cancels.
    virtual QString askSaveFileName(QWidget* parent, const QString& title, const QString& proposal,
                                    const QString& filter);

protected:
    // What the box that message() opens must keep clear; empty for most.
    const QRect& keepClear() const;

    // Waiting: the printer's queue is stopped and holds the job.
    enum class Printed { Done, NoPrinter, Failed, Waiting };
    struct PrintJob {
        Printed printed = Printed::NoPrinter;
        QString printer; // the printer's name
        QString why;     // for a failed job, why the printer did not take it
    };
    // The page on the system's default printer, as far as the print system
    // took it.
    virtual PrintJob printOnDefaultPrinter(PageSource& page);
    // Where to save the page as a PDF file; empty when the student cancels.
    virtual QString askPdfFileName(QWidget* parent, const QString& title, const QString& proposal);

private:
    QRect keepClear_;
};

// Writes the page into an A4 PDF file; false when the file cannot be written.
bool printToPdf(const QString& file, PageSource& page);

// The services in force; the real ones unless a test installed others.
Services& services();
// Installs `s` (not owned) or, with nullptr, the real services again.
void setServices(Services* s);

// CR (code 13) line breaks as the toolkit shows them.
QString withLineBreaks(const QString& text);

} // namespace ui
