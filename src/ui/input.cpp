#include "ui/input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace ui {

namespace {

bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

// ---------------------------------------------------------------- PushButton

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

// Like Space: the button goes down with the key and clicks when it is let
// go, so a held key clicks once and never prints a second page.
void PushButton::keyPressEvent(QKeyEvent* e)
{
    if (!isEnter(e)) {
        QPushButton::keyPressEvent(e);
        return;
    }
    if (!e->isAutoRepeat())
        setDown(true);
    e->accept();
}

void PushButton::keyReleaseEvent(QKeyEvent* e)
{
    if (!isEnter(e)) {
        QPushButton::keyReleaseEvent(e);
        return;
    }
    e->accept();
    if (e->isAutoRepeat() || !isDown())
        return;
    setDown(false);
    click();
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {}

void ListBox::keyPressEvent(QKeyEvent* e)
{
    if (!isEnter(e)) {
        QListWidget::keyPressEvent(e);
        return;
    }
    if (!e->isAutoRepeat())
        emit enterPressed();
    e->accept();
}

void ListBox::keyReleaseEvent(QKeyEvent* e)
{
    if (isEnter(e))
        e->accept();
    else
        QListWidget::keyReleaseEvent(e);
}

// ---------------------------------------------------------------- FocusFrame

FocusFrame::FocusFrame(QWidget* window) : QFocusFrame(window)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusFrame::follow(QWidget* focused)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ =
        focused && focused != parentWidget() && parentWidget()->isAncestorOf(focused) ? focused : nullptr;
    if (!target_) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    place();
}

void FocusFrame::place()
{
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    setGeometry(QRect(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size()));
    // Controls made or raised later would cover it.
    raise();
    show();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == target_) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return false;
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    if (!target_)
        return;
    QPainter p(this);
    const QColor colour = target_->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect r = rect();
    const int t = std::min({thickness, r.width() / 2, r.height() / 2});
    p.fillRect(QRect(r.left(), r.top(), r.width(), t), colour);
    p.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), colour);
    p.fillRect(QRect(r.left(), r.top(), t, r.height()), colour);
    p.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), colour);
}

FocusFrame* focusFrameOf(const QWidget* window)
{
    return window->findChild<FocusFrame*>(QStringLiteral("FocusFrame"), Qt::FindDirectChildrenOnly);
}

// ---------------------------------------------------------------- PressGuard

PressGuard::PressGuard(QWidget* window) : QObject(window), window_(window) {}

void PressGuard::start(int milliseconds)
{
    milliseconds_ = milliseconds;
    since_.start();
    if (!installed_) {
        qApp->installEventFilter(this);
        installed_ = true;
    }
}

bool PressGuard::active() const
{
    return installed_ && since_.isValid() && since_.elapsed() < milliseconds_;
}

void PressGuard::stop()
{
    if (installed_)
        qApp->removeEventFilter(this);
    installed_ = false;
}

bool PressGuard::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    if (!active()) {
        stop();
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    return w == window_ || window_->isAncestorOf(w);
}

// ---------------------------------------------------------------- placement

void centreOver(QWidget* window, const QWidget* over)
{
    const QPoint corner = over->mapToGlobal(QPoint(0, 0));
    QRect r(corner + QPoint((over->width() - window->width()) / 2, (over->height() - window->height()) / 2),
            window->size());
    if (const QScreen* screen = over->screen()) {
        const QRect room = screen->availableGeometry();
        if (r.width() <= room.width())
            r.moveLeft(std::clamp(r.left(), room.left(), room.right() + 1 - r.width()));
        if (r.height() <= room.height())
            r.moveTop(std::clamp(r.top(), room.top(), room.bottom() + 1 - r.height()));
    }
    window->setGeometry(r);
}

} // namespace ui
