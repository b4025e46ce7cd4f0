#pragma once
// Recorder services for the widget tests: message boxes, alerts and printed
// pages are collected instead of shown, so no test ever blocks.

#include "ui/services.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QWidget>
#include <QStringList>

#include <functional>

namespace testsupport {

class Recorder : public ui::Services {
public:
    Recorder();
    ~Recorder() override;
    void message(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) override;
    void alert() override;
    bool printPage(QWidget* parent, ui::PageSource& page) override;
    bool askStudent(QWidget* parent, ui::Student& student) override;
    QString askSaveFileName(QWidget* parent, const QString& title, const QString& proposal,
                            const QString& filter) override;

    QStringList messages; // every box, beside a rectangle or not

    // Boxes placed beside a rectangle: with showBoxes the real box is shown,
    // and where it stood is kept with the rectangle it had to keep clear.
    bool showBoxes = false;
    QList<QRect> boxFrames;
    QList<QRect> keptClear;

    // Questions asked, each with its two buttons ("yes|no"); the answers are
    // taken in turn, and with none left the answer is yes.
    QStringList questions;
    QStringList questionButtons;
    QList<bool> answers;
    int alerts = 0;
    QStringList pdfFiles;        // one PDF written per printed page
    // Runs inside message(), as if the student read the box (may be empty).
    std::function<void(const QString&)> onMessage;
    QString pdfFolder;           // where printed pages go; a temporary folder by default
    QStringList pdfTitles;       // each printed document's title
    QStringList pdfProposals;    // and the file name it proposes

    // The name dialog before the first print: what the student types, or a cancel.
    ui::Student student;
    bool studentCancels = false;
    int studentAsks = 0;
    // The file chooser: what it answers (empty: cancelled), and what it was offered.
    QString saveFileAnswer;
    QStringList saveFileProposals;
};

// Points XDG_DATA_HOME at a fresh temporary folder for this test program, so
// that no test writes journals into the real home; returns the folder.
QString useTemporaryDataHome();

// The control of that name below `root`; a missing one ends the test program,
// since every later step would only report the same fault.
template <class T> T* control(const QWidget* root, const char* name)
{
    auto* c = root->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// German number settings for the whole test program (decimal comma).
void useGermanNumbers();

// The words of a printed page, blanks between them simplified; empty when
// pdftotext (poppler-utils) is missing.
QString pdfText(const QString& file);

} // namespace testsupport
