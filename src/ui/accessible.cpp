#include "ui/accessible.h"

#include "numbers/numbers.h"
#include "ui/accessibletext.h"
#include "ui/controls.h"
#include "ui/decimal.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMetaObject>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace ui {

bool takesInput(const QWidget* control)
{
    if (!control->isEnabled() || !control->isVisible() || control->focusPolicy() == Qt::NoFocus)
        return false;
    // A message box blocks the other windows for the keyboard and the mouse;
    // it does so for assistive tools too.
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || modal == control->window();
}

// ---------------------------------------------------------------- TextAnnouncer

TextAnnouncer::TextAnnouncer(QObject* control, std::function<QString()> shown, Tells tells)
    : control_(control), shown_(std::move(shown)), tells_(tells)
{
}

void TextAnnouncer::changed()
{
    if (!QAccessible::isActive()) {
        // Nobody listens; the next listener starts from the text as it is.
        told_ = shown_();
        return;
    }
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        control_, [this] { announce(); }, Qt::QueuedConnection);
}

void TextAnnouncer::announce()
{
    pending_ = false;
    const QString now = shown_();
    if (now == told_)
        return;
    // The whole text is replaced, so that a screen reader says the whole
    // new reading, not just the digit that changed.
    QAccessibleTextUpdateEvent event(control_, 0, told_, now);
    told_ = now;
    QAccessible::updateAccessibility(&event);
    if (tells_ != Tells::TextAndValue)
        return;
    // Only a reading has a value; a plain caption tells its text alone.
    QAccessibleInterface* tools = QAccessible::queryAccessibleInterface(control_);
    if (QAccessibleValueInterface* value = tools ? tools->valueInterface() : nullptr) {
        QAccessibleValueChangeEvent valueEvent(control_, value->currentValue());
        QAccessible::updateAccessibility(&valueEvent);
    }
}

namespace {

// ---------------------------------------------------------------- building blocks

// A picture whose description is the widget's accessible description.
class WidgetImage : public QAccessibleImageInterface {
public:
    explicit WidgetImage(const QWidget* w) : w_(w) {}
    QString imageDescription() const override { return w_->accessibleDescription(); }
    QSize imageSize() const override { return w_->size(); }
    QPoint imagePosition() const override { return w_->mapToGlobal(QPoint(0, 0)); }

private:
    const QWidget* w_;
};

// The number at the start of a reading, written with the locale's
// separator; none when the reading shows no number.
QVariant readingValue(const QString& shown)
{
    const numbers::Reading read = numbers::readLeadingNumber(
        QString(shown).replace(decimalSeparator(), QLatin1Char('.')).toStdString());
    return read.found && !read.overflow ? QVariant(read.value) : QVariant();
}

// ---------------------------------------------------------------- interfaces

// A caption: its name says what it is, its text what it shows.
class LabelInterface : public QAccessibleWidget, public QAccessibleValueInterface, public ReadOnlyText {
public:
    explicit LabelInterface(Label* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::Role role() const override
    {
        return label()->isFocusableReading() ? QAccessible::EditableText : QAccessible::StaticText;
    }
    QString content() const override { return label()->QLabel::text(); }
    bool isQuantity() const override { return label()->isFocusableReading(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return content();
        return QAccessibleWidget::text(t);
    }
    // A reading that takes the focus is read, never edited. It is focusable
    // also while the task page keeps the keyboard from it: a screen reader
    // keeps the states it learnt once, and the bridge tells no change of
    // this one.
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = label()->isFocusableReading();
        s.focusable = s.focusable || label()->isFocusableReading();
        return s;
    }
    // Real extents, so that a screen reader's review of the window finds
    // the text where it is drawn.
    QRect characterRect(int offset) const override
    {
        const QRectF r = label()->characterRect(offset);
        return r.isEmpty() ? QRect() : r.translated(label()->mapToGlobal(QPointF(0, 0))).toAlignedRect();
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPointF local = label()->mapFromGlobal(QPointF(point));
        for (int i = 0; i < characterCount(); ++i)
            if (label()->characterRect(i).contains(local))
                return i;
        return -1;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::ValueInterface && label()->isFocusableReading())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    // A reading's value is its number in the unit it shows; nobody sets it.
    QVariant currentValue() const override { return readingValue(content()); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        // The label names the control it stands in front of.
        if ((match & QAccessible::Labelled) && label()->buddy())
            found.append({QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
        return found;
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

// An up-down: a spin button whose value is its position and whose text is
// what the position means.
class UpDownInterface : public QAccessibleWidget, public QAccessibleValueInterface, public ReadOnlyText {
public:
    explicit UpDownInterface(UpDown* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}
    QString content() const override { return upDown()->valueText(); }
    bool isQuantity() const override { return true; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? content() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return upDown()->value(); }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return upDown()->singleStep(); }
    void setCurrentValue(const QVariant& value) override
    {
        bool number = false;
        const double wanted = value.toDouble(&number);
        UpDown* u = upDown();
        if (!number || !std::isfinite(wanted) || !takesInput(u))
            return;
        // A position between the control's steps is put on the nearest one,
        // as the arrows would reach it.
        const int step = std::max(1, u->singleStep());
        const double steps =
            std::clamp((wanted - u->minimum()) / step, 0.0, double(u->maximum() - u->minimum()));
        u->setValue(std::min(u->maximum(), u->minimum() + static_cast<int>(std::lround(steps)) * step));
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        UpDown* u = upDown();
        if (name == increaseAction() || name == decreaseAction()) {
            if (takesInput(u))
                u->triggerAction(name == increaseAction() ? QAbstractSlider::SliderSingleStepAdd
                                                          : QAbstractSlider::SliderSingleStepSub);
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    UpDown* upDown() const { return static_cast<UpDown*>(widget()); }
};

// A drawing surface, presented as what the window uses it for.
class SurfaceInterface : public QAccessibleWidget, public ReadOnlyText, public WidgetImage {
public:
    explicit SurfaceInterface(DrawingSurface* w) : QAccessibleWidget(w), WidgetImage(w) {}
    QString content() const override { return surface()->readableText(); }
    QAccessible::Role role() const override
    {
        switch (surface()->presentation()) {
        case DrawingSurface::Presentation::Chart:
            return QAccessible::Chart;
        case DrawingSurface::Presentation::Page:
            return QAccessible::Document;
        case DrawingSurface::Presentation::Switch:
            return QAccessible::CheckBox;
        case DrawingSurface::Presentation::Picture:
            break;
        }
        return QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (surface()->presentation() == DrawingSurface::Presentation::Switch) {
            s.checkable = true;
            s.checked = surface()->isChecked();
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        const auto p = surface()->presentation();
        if (t == QAccessible::TextInterface && p == DrawingSurface::Presentation::Page)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::ImageInterface &&
            (p == DrawingSurface::Presentation::Picture || p == DrawingSurface::Presentation::Chart))
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    // What is drawn inside (the switch's lever) is part of the picture.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // After the tool's call has returned: a click may open a message box.
        if (pressable() && takesInput(surface()))
            QMetaObject::invokeMethod(surface(), &DrawingSurface::click, Qt::QueuedConnection);
    }

private:
    DrawingSurface* surface() const { return static_cast<DrawingSurface*>(widget()); }
    bool pressable() const
    {
        const auto p = surface()->presentation();
        return p == DrawingSurface::Presentation::Page || p == DrawingSurface::Presentation::Switch;
    }
};

class ImageInterface : public QAccessibleWidget, public WidgetImage {
public:
    explicit ImageInterface(ImageBox* w) : QAccessibleWidget(w, QAccessible::Graphic), WidgetImage(w) {}
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
};

// Push, toggle and option buttons, pressed by assistive tools only where
// the keyboard could press them: a hidden self-heating switch or sensor
// choice stays out of reach.
class ButtonInterface : public QAccessibleWidget {
public:
    explicit ButtonInterface(QAbstractButton* w) : QAccessibleWidget(w) {}
    QAccessible::Role role() const override
    {
        if (!button()->isCheckable())
            return QAccessible::Button;
        return qobject_cast<QRadioButton*>(button()) ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{button()->isCheckable() ? toggleAction() : pressAction()} +
               QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Clicked after the tool's call has returned, as the mouse would.
        if (takesInput(button()))
            button()->animateClick();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// The windows: a frame with the window's title as its name.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
};

// The adapter's own classes get the adapter's interfaces, and so do the
// windows made of them; everything else keeps the toolkit's own.
QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (auto* label = qobject_cast<Label*>(w))
        return new LabelInterface(label);
    if (auto* upDown = qobject_cast<UpDown*>(w))
        return new UpDownInterface(upDown);
    if (auto* surface = qobject_cast<DrawingSurface*>(w))
        return new SurfaceInterface(surface);
    if (auto* image = qobject_cast<ImageBox*>(w))
        return new ImageInterface(image);
    if (qobject_cast<PushButton*>(w) || qobject_cast<OptionButton*>(w))
        return new ButtonInterface(static_cast<QAbstractButton*>(w));
    if (qobject_cast<Frame*>(w))
        return new QAccessibleWidget(w, QAccessible::Grouping);
    // A window's title is set before its controls are built, and a screen
    // reader may ask for it then already.
    if (w->isWindow() && w->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new WindowInterface(w);
    return nullptr;
}

// Installed with the program, before any window exists: a window's
// interface is made the first time anyone asks for it and then kept.
[[maybe_unused]] const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
}();

} // namespace

} // namespace ui
