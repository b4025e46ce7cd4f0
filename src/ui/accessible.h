#pragma once
// What assistive tools (a screen reader, through the platform's
// accessibility bus) see of the adapter's controls. A control that shows a
// reading keeps what it is, its accessible name, apart from what it shows,
// its text; an up-down says what its position means ("10 kOhm"), not the
// raw position; a drawing surface is a picture, a chart, a page of text or
// a switch. Assistive tools act on a control only where the keyboard could:
// on one that is enabled, shown and takes the focus. The interfaces are
// installed with the program, before the first window is made.

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Whether assistive tools may change or press the control now.
bool takesInput(const QWidget* control);

// Tells assistive tools that a control's shown text changed, once the
// handler that set it is done and only when it differs from the text last
// told: a caption may pass through several values in one handler (the
// resistor's goes from MOhm through kOhm to its unit), and the meter sets
// the same caption on every tick of a steady reading.
class TextAnnouncer {
public:
    // What a change tells: the text alone, or for a control whose text is a
    // reading also its value. A screen reader speaks a new value of the
    // focused control, where it keeps a changed text to itself.
    enum class Tells { Text, TextAndValue };
    TextAnnouncer(QObject* control, std::function<QString()> shown, Tells tells = Tells::Text);
    // The shown text may have changed.
    void changed();

private:
    void announce();
    QObject* control_;
    std::function<QString()> shown_;
    Tells tells_;
    QString told_;
    bool pending_ = false;
};

} // namespace ui
