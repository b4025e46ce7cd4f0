#include "ui/messagebox.h"

#include "ui/services.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

// Room for the window manager's title bar and frame.
constexpr int frameReserve = 64;

QRect availableArea(QWidget* parent)
{
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

// QMessageBox sizes itself only when shown and never looks at the screen's
// height, so its height is estimated from above: each paragraph wrapped at
// the narrowest width the box gives its text, with a quarter more for the
// ragged ends of wrapped lines. A word wider than that would widen the box
// beyond the screen, since QMessageBox wraps only between words.
bool fitsAsMessageBox(const QString& text, const QFont& font, const QRect& area)
{
    const QFontMetrics fm(font);
    const int width = std::max(150, std::min(area.width() / 2, 500));
    qint64 lines = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        for (const QString& word : paragraph.split(QLatin1Char(' ')))
            if (fm.horizontalAdvance(word) > width)
                return false;
        lines += std::max<qint64>(1, (qint64{fm.horizontalAdvance(paragraph)} * 5 / 4 + width - 1) / width);
    }
    const int chrome = 100 + frameReserve; // the button row and the margins
    return lines * fm.lineSpacing() + chrome <= area.height();
}

// A box centred over a window wider than the screen would stick out of it:
// when it is shown, it is moved back within the screen. A box that must
// leave a rectangle in sight is moved beside it instead. QMessageBox sets
// its final size while it is shown, so a resize places it again.
class KeepOnScreen : public QObject {
public:
    KeepOnScreen(QWidget* box, QRect area, QRect keepClear)
        : QObject(box), area_(area), keepClear_(keepClear)
    {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show || (event->type() == QEvent::Resize && box->isVisible()))
            place(box);
        return false;
    }

private:
    void place(QWidget* box) const
    {
        const QRect frame = box->frameGeometry();
        QPoint to = frame.topLeft();
        if (!keepClear_.isEmpty()) {
            // Before the window manager has framed it, the title bar is
            // not yet counted.
            QSize size = frame.size();
            if (frame == box->geometry())
                size.rheight() += box->style()->pixelMetric(QStyle::PM_TitleBarHeight);
            to = placeClearOf(size, keepClear_, area_);
        }
        to.setX(std::clamp(to.x(), area_.left(), std::max(area_.left(), area_.right() + 1 - frame.width())));
        to.setY(std::clamp(to.y(), area_.top(), std::max(area_.top(), area_.bottom() + 1 - frame.height())));
        if (to != frame.topLeft())
            box->move(box->pos() + (to - frame.topLeft()));
    }

    QRect area_;
    QRect keepClear_;
};

std::unique_ptr<QDialog> scrollingBox(QWidget* parent, const QString& text, const QRect& area)
{
    auto box = std::make_unique<QDialog>(parent);
    box->setWindowTitle(appTitle());
    auto* view = new QPlainTextEdit(text, box.get());
    view->setObjectName(QStringLiteral("messageText"));
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    // A line without blanks is broken too, instead of widening the box.
    view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QPalette look = view->palette();
    look.setColor(QPalette::Base, look.color(QPalette::Window));
    view->setPalette(look);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    auto* layout = new QVBoxLayout(box.get());
    layout->addWidget(view);
    layout->addWidget(buttons);
    // As tall as the text needs, at most as tall as the screen allows.
    const QSize room = area.size() - QSize(frameReserve, frameReserve);
    const int width = std::min(room.width(), 640);
    const QMargins margins = layout->contentsMargins();
    const int textWidth = width - margins.left() - margins.right() - 2 * int(view->document()->documentMargin()) -
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int textHeight = QFontMetrics(view->font())
                               .boundingRect(QRect(0, 0, std::max(textWidth, 50), 1 << 24),
                                             Qt::TextWordWrap | Qt::TextWrapAnywhere, text)
                               .height() +
                           2 * int(view->document()->documentMargin()) + 4;
    const int chrome = buttons->sizeHint().height() + layout->spacing() + margins.top() + margins.bottom();
    box->setMaximumSize(room);
    box->resize(width, std::min(room.height(), textHeight + chrome));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    return box;
}

} // namespace

QPoint placeClearOf(const QSize& size, const QRect& keepClear, const QRect& area, int gap)
{
    auto inside = [&](QPoint p) {
        p.setX(std::clamp(p.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        p.setY(std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
        return p;
    };
    // To the right and below first: the eye comes from the plot's left.
    const QPoint sides[] = {
        {keepClear.right() + 1 + gap, keepClear.top()},
        {keepClear.left(), keepClear.bottom() + 1 + gap},
        {keepClear.left() - gap - size.width(), keepClear.top()},
        {keepClear.left(), keepClear.top() - gap - size.height()},
    };
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint& side : sides) {
        const QPoint p = inside(side);
        const QRect covered = QRect(p, size).intersected(keepClear);
        const qint64 area2 = covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
        if (area2 == 0)
            return p;
        if (leastCovered < 0 || area2 < leastCovered) {
            leastCovered = area2;
            best = p;
        }
    }
    return best;
}

std::unique_ptr<QDialog> makeQuestionBox(QWidget* parent, const QString& text, const QString& yes,
                                         const QString& no)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, appTitle(), withLineBreaks(text),
                                             QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    QPushButton* yesButton = box->addButton(yes, QMessageBox::AcceptRole);
    QPushButton* noButton = box->addButton(no, QMessageBox::RejectRole);
    box->setDefaultButton(noButton);
    box->setEscapeButton(noButton);
    QMessageBox* shown = box.get();
    QObject::connect(shown, &QMessageBox::buttonClicked, shown, [shown, yesButton](QAbstractButton* b) {
        shown->setProperty("answeredYes", b == yesButton);
    });
    new KeepOnScreen(shown, availableArea(parent), {});
    return box;
}

std::unique_ptr<QDialog> makeMessageBox(QWidget* parent, const QString& text, const QRect& keepClear)
{
    const QString shown = withLineBreaks(text);
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, appTitle(), shown, QMessageBox::Ok, parent);
    // A teacher's line in a report is never taken for markup.
    box->setTextFormat(Qt::PlainText);
    const QRect area = availableArea(parent);
    std::unique_ptr<QDialog> chosen;
    if (fitsAsMessageBox(shown, box->font(), area))
        chosen = std::move(box);
    else
        chosen = scrollingBox(parent, shown, area);
    new KeepOnScreen(chosen.get(), area, keepClear);
    return chosen;
}

} // namespace ui
