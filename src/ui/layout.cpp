#include "ui/layout.h"

#include "ui/controls.h"
#include "ui/input.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

namespace ui {

int px(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

QRect pxRect(int left, int top, int width, int height)
{
    // Edges are rounded, not sizes, so that neighbouring controls still meet.
    const int l = px(left), t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

QFont designFont(const FontSpec& f)
{
    QFont font;
    switch (f.face) {
    case Face::Default:
    case Face::Sans: font = QFont(QStringLiteral("Liberation Sans")); font.setStyleHint(QFont::SansSerif); break;
    case Face::Serif: font = QFont(QStringLiteral("Liberation Serif")); font.setStyleHint(QFont::Serif); break;
    case Face::Mono: font = QFont(QStringLiteral("Liberation Mono")); font.setStyleHint(QFont::Monospace); break;
    }
    font.setPointSizeF(f.points > 0 ? f.points : defaultPoints);
    font.setBold(f.bold);
    return font;
}

void setUpWindow(QWidget* window, int widthTwips, int heightTwips, const QColor& background)
{
    window->setFixedSize(px(widthTwips), px(heightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, background);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFont(designFont({}));
    new FocusFrame(window);
}

namespace {

QWidget* create(const ControlSpec& row, const QString& text, QWidget* parent)
{
    switch (row.kind) {
    case Kind::Label: {
        auto* w = new Label(parent);
        w->setText(text);
        return w;
    }
    case Kind::UpDownV: return new UpDown(Qt::Vertical, parent);
    case Kind::UpDownH: return new UpDown(Qt::Horizontal, parent);
    case Kind::Button: return new PushButton(text, parent);
    case Kind::Toggle: return new ToggleButton(text, parent);
    case Kind::Option: return new OptionButton(text, parent);
    case Kind::Frame: {
        auto* w = new Frame(parent);
        w->setFrameShape(QFrame::NoFrame);
        return w;
    }
    case Kind::Panel: {
        auto* w = new Frame(parent);
        w->setFrameShape(QFrame::NoFrame);
        w->setAutoFillBackground(true);
        return w;
    }
    case Kind::Surface: return new DrawingSurface(parent);
    case Kind::List: return new ListBox(parent);
    case Kind::TextBox: return new TextBox(parent);
    case Kind::Image: return new ImageBox(text, false, parent);
    case Kind::ImageStretched: return new ImageBox(text, true, parent);
    }
    return nullptr;
}

} // namespace

QHash<QString, QWidget*> buildControls(QWidget* window, std::span<const ControlSpec> rows, const char* context)
{
    auto shown = [context](const char* text) {
        return context ? QCoreApplication::translate(context, text) : QString::fromUtf8(text);
    };
    QHash<QString, QWidget*> made;
    for (const ControlSpec& row : rows) {
        QWidget* parent = row.parent ? made.value(QString::fromLatin1(row.parent), window) : window;
        // An image's text is its resource path, never translated.
        const bool image = row.kind == Kind::Image || row.kind == Kind::ImageStretched;
        QWidget* w = create(row, image ? QString::fromUtf8(row.text) : shown(row.text), parent);
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(pxRect(row.left, row.top, row.width, row.height));
        w->setFont(designFont(row.font));
        if (row.accessibleName)
            w->setAccessibleName(shown(row.accessibleName));
        if (row.toolTip)
            w->setToolTip(shown(row.toolTip));
        if (auto* updown = qobject_cast<UpDown*>(w); updown && !row.range.empty()) {
            updown->setRange(row.range.minimum, row.range.maximum);
            updown->setSingleStep(row.range.step);
            updown->setPageStep(row.range.step);
            updown->setValue(row.range.value);
        }
        w->setVisible(row.visible);
        made.insert(w->objectName(), w);
    }
    return made;
}

} // namespace ui
