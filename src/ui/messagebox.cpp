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
// when it is shown, it is moved back within the screen.
class KeepOnScreen : public QObject {
public:
    KeepOnScreen(QWidget* box, QRect area) : QObject(box), area_(area) { box->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* box = static_cast<QWidget*>(watched);
            const QRect frame = box->frameGeometry();
            const int x = std::clamp(frame.x(), area_.left(), std::max(area_.left(), area_.right() + 1 - frame.width()));
            const int y = std::clamp(frame.y(), area_.top(), std::max(area_.top(), area_.bottom() + 1 - frame.height()));
            if (x != frame.x() || y != frame.y())
                box->move(box->pos() + QPoint(x - frame.x(), y - frame.y()));
        }
        return false;
    }

private:
    QRect area_;
};

std::unique_ptr<QDialog> scrollingBox(QWidget* parent, const QString& text, const QRect& area)
{
    auto box = std::make_unique<QDialog>(parent);
    box->setWindowTitle(appTitle);
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

std::unique_ptr<QDialog> makeMessageBox(QWidget* parent, const QString& text)
{
    const QString shown = withLineBreaks(text);
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, appTitle, shown, QMessageBox::Ok, parent);
    // A teacher's line in a report is never taken for markup.
    box->setTextFormat(Qt::PlainText);
    const QRect area = availableArea(parent);
    std::unique_ptr<QDialog> chosen;
    if (fitsAsMessageBox(shown, box->font(), area))
        chosen = std::move(box);
    else
        chosen = scrollingBox(parent, shown, area);
    new KeepOnScreen(chosen.get(), area);
    return chosen;
}

} // namespace ui
