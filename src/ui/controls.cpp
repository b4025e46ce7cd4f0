#include "ui/controls.h"

#include "ui/layout.h"
#include "ui/services.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <array>
#include <cmath>

namespace ui {

namespace {
// Below this a condensed caption would no longer read as the design's font.
constexpr double minimumCondensing = 0.8;
} // namespace

QColor paletteColor(int index)
{
    static const std::array<QRgb, 16> colours = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(colours[static_cast<std::size_t>(index & 15)]);
}

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent) : QLabel(parent) {}

void Label::setText(const QString& caption)
{
    caption_ = caption;
    // QLabel draws a label that takes the focus through a text editor of
    // its own, which tells assistive tools of every new text a second time,
    // padded with blanks. Set while the focus is not taken, the caption is
    // drawn as plain text; the announcer tells each change once.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(withLineBreaks(caption));
    setFocusPolicy(policy);
    // Every set is a change to the logic; to a screen reader only a new text is.
    announcer_.changed();
    emit change();
}

double Label::condensing() const
{
    const QString shown = QLabel::text();
    if (wordWrap() || shown.contains(QLatin1Char('\n')) || shown.isEmpty())
        return 1;
    const double need = QFontMetricsF(font()).horizontalAdvance(shown);
    const double room = contentsRect().width();
    return need <= room ? 1 : std::max(minimumCondensing, room / need);
}

void Label::paintEvent(QPaintEvent* e)
{
    const double factor = condensing();
    if (factor == 1) {
        QLabel::paintEvent(e);
        return;
    }
    // A caption a little wider than its box ("100°C" in the thermostat's
    // frame) is drawn narrower rather than cut off.
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRectF box = contentsRect();
    p.translate(box.left(), 0);
    p.scale(factor, 1);
    p.drawText(QRectF(0, box.top(), box.width() / factor, box.height()), static_cast<int>(alignment()),
               QLabel::text());
}

QRectF Label::characterRect(int offset) const
{
    const QString shown = QLabel::text();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Laid out as paintEvent draws it: the lines as a block placed by the
    // alignment in the contents, each line placed in the condensed width.
    const QStringList lines = shown.split(QLatin1Char('\n'));
    const QFontMetricsF fm(font());
    const double factor = condensing();
    const QRectF box = contentsRect();
    const double block = lines.size() * fm.height();
    double top = box.top();
    if (alignment() & Qt::AlignBottom)
        top = box.bottom() + 1 - block;
    else if (alignment() & Qt::AlignVCenter)
        top = box.top() + (box.height() - block) / 2;
    int line = 0;
    int column = offset;
    while (column > lines[line].size()) {
        column -= static_cast<int>(lines[line].size()) + 1;
        ++line;
    }
    const QString& text = lines[line];
    const double room = box.width() / factor;
    double left = 0;
    if (alignment() & Qt::AlignRight)
        left = room - fm.horizontalAdvance(text);
    else if (alignment() & Qt::AlignHCenter)
        left = (room - fm.horizontalAdvance(text)) / 2;
    left += fm.horizontalAdvance(text.left(column));
    // A line break is as wide as a blank at the line's end.
    const double width = column < text.size() ? fm.horizontalAdvance(text.mid(column, 1)) : fm.horizontalAdvance(QLatin1Char(' '));
    return {box.left() + left * factor, top + line * fm.height(), width * factor, fm.height()};
}

// A reading with the focus is marked by the window's focus frame; QLabel's
// own focus handling would make the text editor that setText avoids.
void Label::focusInEvent(QFocusEvent* e) { QWidget::focusInEvent(e); }

void Label::focusOutEvent(QFocusEvent* e) { QWidget::focusOutEvent(e); }

// ---------------------------------------------------------------- UpDown

UpDown::UpDown(Qt::Orientation orientation, QWidget* parent) : QAbstractSlider(parent)
{
    setOrientation(orientation);
    setFocusPolicy(Qt::StrongFocus);
    setPageStep(1);
    setTracking(true);
    connect(this, &QAbstractSlider::valueChanged, this, [this] { announcer_.changed(); });
}

void UpDown::setValueText(std::function<QString(int)> meaning)
{
    meaning_ = std::move(meaning);
    announcer_.changed();
}

QString UpDown::valueText() const { return meaning_ ? meaning_(value()) : QString::number(value()); }

QSize UpDown::sizeHint() const { return orientation() == Qt::Vertical ? QSize(13, 22) : QSize(82, 10); }

bool UpDown::inIncreasingHalf(const QPoint& pos) const
{
    return orientation() == Qt::Vertical ? pos.y() < height() / 2 : pos.x() >= width() / 2;
}

void UpDown::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool vertical = orientation() == Qt::Vertical;
    const QRect r = rect();
    QRect first = vertical ? QRect(0, 0, r.width(), r.height() / 2) : QRect(0, 0, r.width() / 2, r.height());
    QRect second = vertical ? QRect(0, r.height() / 2, r.width(), r.height() - r.height() / 2)
                            : QRect(r.width() / 2, 0, r.width() - r.width() / 2, r.height());
    auto drawButton = [&](const QRect& box, QStyle::PrimitiveElement arrow, bool down, bool enabledArrow) {
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.rect = box;
        opt.state = QStyle::State_Raised;
        if (isEnabled() && enabledArrow)
            opt.state |= QStyle::State_Enabled;
        if (down)
            opt.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &opt, &p, this);
        QStyleOption a = opt;
        const int m = std::max(1, std::min(box.width(), box.height()) / 5);
        a.rect = box.adjusted(m, m, -m, -m);
        style()->drawPrimitive(arrow, &a, &p, this);
    };
    if (vertical) {
        drawButton(first, QStyle::PE_IndicatorArrowUp, pressed_ > 0, value() < maximum());
        drawButton(second, QStyle::PE_IndicatorArrowDown, pressed_ < 0, value() > minimum());
    } else {
        drawButton(first, QStyle::PE_IndicatorArrowLeft, pressed_ < 0, value() > minimum());
        drawButton(second, QStyle::PE_IndicatorArrowRight, pressed_ > 0, value() < maximum());
    }
    // The window's focus frame marks a focused up-down.
}

void UpDown::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    pressed_ = inIncreasingHalf(e->position().toPoint()) ? 1 : -1;
    const auto action = pressed_ > 0 ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(action);
    setRepeatAction(action, 400, 80);
    update();
}

void UpDown::mouseReleaseEvent(QMouseEvent*)
{
    pressed_ = 0;
    setRepeatAction(SliderNoAction);
    update();
}

void UpDown::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Plus: triggerAction(SliderSingleStepAdd); break;
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Minus: triggerAction(SliderSingleStepSub); break;
    case Qt::Key_PageUp: triggerAction(SliderPageStepAdd); break;
    case Qt::Key_PageDown: triggerAction(SliderPageStepSub); break;
    case Qt::Key_Home: triggerAction(SliderToMinimum); break;
    case Qt::Key_End: triggerAction(SliderToMaximum); break;
    default: QAbstractSlider::keyPressEvent(e); return;
    }
    update();
}

// ---------------------------------------------------------------- DrawingSurface

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {}

void DrawingSurface::setChecked(bool closed)
{
    if (checked_ == closed)
        return;
    checked_ = closed;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void DrawingSurface::setScale(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

QPointF DrawingSurface::toPixel(double x, double y) const
{
    const double w = width_ == 0 ? 1 : width_;
    const double h = height_ == 0 ? 1 : height_;
    return {(x - left_) / w * width(), (y - top_) / h * height()};
}

void DrawingSurface::resizeEvent(QResizeEvent*)
{
    QImage next(size() * oversample, QImage::Format_ARGB32_Premultiplied);
    next.fill(Qt::transparent);
    if (!drawing_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, drawing_);
    }
    drawing_ = next;
}

void DrawingSurface::pset(double x, double y)
{
    // Single precision, as the surface takes its coordinates.
    const QPointF px = toPixel(static_cast<float>(x), static_cast<float>(y));
    if (!std::isfinite(px.x()) || !std::isfinite(px.y()))
        return;
    // A point is one logical pixel; far outside the surface it is simply lost.
    if (px.x() < -1 || px.y() < -1 || px.x() > width() + 1 || px.y() > height() + 1)
        return;
    QPainter p(&drawing_);
    p.fillRect(QRectF(std::floor(px.x()) * oversample, std::floor(px.y()) * oversample, oversample,
                      oversample),
               fore_);
    update();
}

void DrawingSurface::setCurrent(double x, double y)
{
    curX_ = x;
    curY_ = y;
}

void DrawingSurface::printText(const QString& text)
{
    const QPointF px = toPixel(curX_, curY_);
    if (!std::isfinite(px.x()) || !std::isfinite(px.y()))
        return;
    QPainter p(&drawing_);
    p.scale(oversample, oversample);
    p.setFont(font());
    p.setPen(fore_);
    const QFontMetricsF fm(font());
    p.drawText(QPointF(px.x(), px.y() + fm.ascent()), withLineBreaks(text));
    update();
}

void DrawingSurface::setBackgroundColor(const QColor& c)
{
    back_ = c;
    update();
}

void DrawingSurface::setBackgroundSvg(const QString& resource)
{
    svg_ = std::make_shared<QSvgRenderer>(resource);
    update();
}

void DrawingSurface::setBackgroundPainter(std::function<void(QPainter&, const QSize&)> painter)
{
    backgroundPainter_ = std::move(painter);
    update();
}

void DrawingSurface::paintBackground(QPainter& p) const
{
    p.fillRect(QRect(QPoint(0, 0), size()), back_);
    if (svg_ && svg_->isValid())
        svg_->render(&p, QRectF(QPointF(0, 0), QSizeF(size())));
    if (backgroundPainter_)
        backgroundPainter_(p, size());
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBackground(p);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), drawing_);
}

QImage DrawingSurface::image() const
{
    QImage out(size() * oversample, QImage::Format_RGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(oversample, oversample);
    paintBackground(p);
    p.resetTransform();
    p.drawImage(0, 0, drawing_);
    return out;
}

void DrawingSurface::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void DrawingSurface::keyPressEvent(QKeyEvent* e)
{
    // A surface that takes the focus is clicked with Space or Enter as well.
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        emit clicked();
    else
        QWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------- LineShape

LineShape::LineShape(int x1, int y1, int x2, int y2, QWidget* parent)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
}

void LineShape::setX2(int twips)
{
    x2_ = twips;
    update();
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 2);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(x1_ / twipsPerPixel, y1_ / twipsPerPixel), QPointF(x2_ / twipsPerPixel, y2_ / twipsPerPixel));
}

// ---------------------------------------------------------------- ImageBox

ImageBox::ImageBox(const QString& resource, bool stretch, QWidget* parent)
    : QWidget(parent), resource_(resource), stretch_(stretch), svg_(std::make_shared<QSvgRenderer>(resource))
{
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (!svg_->isValid())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (stretch_)
        svg_->render(&p, QRectF(rect()));
    else
        svg_->render(&p, QRectF(QPointF(0, 0), QSizeF(svg_->defaultSize())));
}

// ---------------------------------------------------------------- ToggleButton

ToggleButton::ToggleButton(const QString& caption, QWidget* parent) : PushButton(caption, parent)
{
    setCheckable(true);
}

void ToggleButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    QRect room = rect().adjusted(4, 2, -4, -2);
    if (isDown() || isChecked())
        room.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this));
    p.drawText(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    int code = 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        code = 13;
    else if (e->key() == Qt::Key_Backspace)
        code = 8;
    else if (e->text().size() == 1 && e->text().at(0).isPrint() &&
             !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        code = e->text().at(0).unicode();
    if (code == 0 || !filter_) {
        // Keys without a character (arrows, Delete, shortcuts) are the box's own.
        QLineEdit::keyPressEvent(e);
        return;
    }
    const int original = code;
    QPointer<TextBox> self(this);
    filter_(code);
    if (!self)
        return;
    e->accept();
    if (code == 0 || code == 13)
        return;
    if (code == 8) {
        backspace();
        return;
    }
    if (code == original) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    insert(QString(QChar(code)));
}

} // namespace ui
