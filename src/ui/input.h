#pragma once
// How the controls take keys and clicks beyond the toolkit's defaults:
// Enter presses a push button and confirms a list, one clearly visible
// frame marks the control that has the keyboard focus, and the mouse
// presses on a window can be swallowed for a moment.

#include <QElapsedTimer>
#include <QFocusFrame>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace ui {

// A push button that Enter presses as Space does. Outside a dialog the
// toolkit's buttons take only Space.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};

// A list box that reports Enter; what Enter means is the window's business.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};

// A frame two pixels wide in the highlight colour, drawn over the inside
// edge of whichever control of its window has the keyboard focus, so that
// even the small up-downs show it without growing beyond their design size.
// It lets every click through, and as the toolkit's own focus frame it is
// no control to assistive tools.
class FocusFrame : public QFocusFrame {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* window);
    // The control the frame marks, or nullptr while it is hidden.
    QWidget* target() const { return target_; }
    static constexpr int thickness = 2;

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow(QWidget* focused);
    void place();
    QPointer<QWidget> target_;
};

// The frame of `window`, made by setUpWindow.
FocusFrame* focusFrameOf(const QWidget* window);

// Swallows every mouse press, double click and release on a window and its
// controls for a while after start().
class PressGuard : public QObject {
    Q_OBJECT
public:
    explicit PressGuard(QWidget* window);
    void start(int milliseconds);
    bool active() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void stop();
    QWidget* window_;
    QElapsedTimer since_;
    int milliseconds_ = 0;
    bool installed_ = false;
};

// Places a top-level window with its client area centred over another's,
// kept inside the screen's available area.
void centreOver(QWidget* window, const QWidget* over);

} // namespace ui
