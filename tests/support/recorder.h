#pragma once
// Recorder services for the widget tests: message boxes, alerts and printed
// pages are collected instead of shown, so no test ever blocks.

#include "ui/services.h"

#include <QImage>
#include <QWidget>
#include <QStringList>

#include <functional>

namespace testsupport {

class Recorder : public ui::Services {
public:
    Recorder();
    ~Recorder() override;
    void message(QWidget* parent, const QString& text) override;
    void alert() override;
    bool printPage(QWidget* parent, ui::PageSource& page) override;

    QStringList messages;
    int alerts = 0;
    QStringList pdfFiles;        // one PDF written per printed page
    // Runs inside message(), as if the student read the box (may be empty).
    std::function<void(const QString&)> onMessage;
    QString pdfFolder;           // where printed pages go; a temporary folder by default
};

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
