#pragma once
// The controls the windows' logic drives, each a real Qt widget with exactly
// the notifications the logic relies on:
// - a Label raises change() whenever the program sets its caption;
// - an UpDown raises valueChanged() when its value changes, by the user or
//   the program, and nothing when set to the value it already has;
// - to assistive tools a Label shows its caption under its fixed name, and an
//   UpDown the meaning of its position (ui/accessible.h);
// - a TextBox hands every typed character to its key filter first;
// - a DrawingSurface keeps what is drawn on it for printing.

#include "ui/accessible.h"
#include "ui/input.h"

#include <QAbstractSlider>
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <memory>

class QSvgRenderer;

namespace ui {

class Label : public QLabel {
    Q_OBJECT
    // The caption as the logic set it, CR line breaks included.
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY change)
public:
    explicit Label(QWidget* parent = nullptr);
    QString text() const { return caption_; }
    void setText(const QString& caption);
    // How much narrower a one-line caption is drawn so that it fits its box
    // (1: as designed). Size and weight always stay the design's.
    double condensing() const;
    // Where the character at this offset of the shown text is drawn, in the
    // label's own coordinates; empty past the end.
    QRectF characterRect(int offset) const;
    // A reading that the keyboard reaches: to assistive tools read-only
    // text, which a screen reader speaks with its content on focus, where it
    // would say only the name of a plain caption.
    void setFocusableReading(bool on) { reading_ = on; }
    bool isFocusableReading() const { return reading_; }
signals:
    void change();

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QString caption_;
    bool reading_ = false;
    TextAnnouncer announcer_{this, [this] { return QLabel::text(); }, TextAnnouncer::Tells::TextAndValue};
};

// Up-down arrows without a text field. Vertical ones step up with the upper
// arrow, horizontal ones with the right arrow; the keys Up/Right and
// Down/Left, Page Up/Down and Home/End work as well.
class UpDown : public QAbstractSlider {
    Q_OBJECT
public:
    explicit UpDown(Qt::Orientation orientation, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // What a position means, in words and units ("10 kOhm"); without it the
    // bare position.
    void setValueText(std::function<QString(int)> meaning);
    QString valueText() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    bool inIncreasingHalf(const QPoint& pos) const;
    int pressed_ = 0; // +1 or -1 while an arrow is held
    std::function<QString(int)> meaning_;
    TextAnnouncer announcer_{this, [this] { return valueText(); }};
};

// Drawing surface with a user coordinate system (left, width, top, height;
// a negative height makes y grow upwards), a drawing colour, single points
// and printed text, over a background that is either an SVG picture or a
// painter callback. What is drawn persists and can be taken for printing.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    // What the surface is to assistive tools: a picture, a chart, a page of
    // text that a press removes, or a switch that a press toggles.
    enum class Presentation { Picture, Chart, Page, Switch };

    explicit DrawingSurface(QWidget* parent = nullptr);

    void setPresentation(Presentation p) { presentation_ = p; }
    Presentation presentation() const { return presentation_; }
    // The text of a page, as a screen reader reads it.
    void setReadableText(const QString& text) { readableText_ = text; }
    QString readableText() const { return readableText_; }
    // The state of a switch, closed or open; the window draws the lever.
    void setChecked(bool closed);
    bool isChecked() const { return checked_; }
    // As a click with the mouse.
    void click() { emit clicked(); }

    void setScale(double left, double top, double width, double height);
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const { return width_; }
    double scaleHeight() const { return height_; }

    void setForeColor(const QColor& c) { fore_ = c; }
    QColor foreColor() const { return fore_; }
    void pset(double x, double y);
    void setCurrent(double x, double y);
    double currentX() const { return curX_; }
    double currentY() const { return curY_; }
    // Prints text with its top-left corner at the text position.
    void printText(const QString& text);

    void setBackgroundColor(const QColor& c);
    void setBackgroundSvg(const QString& resource);
    void setBackgroundPainter(std::function<void(QPainter&, const QSize&)> painter);

    // Background and drawing together, at the surface's own size.
    QImage image() const;
    // The persistent drawing alone (transparent where nothing is drawn).
    const QImage& drawing() const { return drawing_; }

    // The pixel position of user coordinates (for tests and printing).
    QPointF toPixel(double x, double y) const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void paintBackground(QPainter& p) const;
    static constexpr int oversample = 2; // the drawing keeps detail for print and 200 % screens
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    double curX_ = 0, curY_ = 0;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    QImage drawing_;
    std::shared_ptr<QSvgRenderer> svg_;
    std::function<void(QPainter&, const QSize&)> backgroundPainter_;
    Presentation presentation_ = Presentation::Picture;
    QString readableText_;
    bool checked_ = false;
};

// A line inside its parent, from a fixed to a movable end point, both in
// twips of the parent; it lets clicks through to the parent.
class LineShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int X2 READ x2 WRITE setX2)
public:
    LineShape(int x1, int y1, int x2, int y2, QWidget* parent);
    int x2() const { return x2_; }
    void setX2(int twips);
    int y2() const { return y2_; }
    int x1() const { return x1_; }
    int y1() const { return y1_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int x1_, y1_, x2_, y2_;
};

// A picture from the resources, at its own size or stretched to the box.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(const QString& resource, bool stretch, QWidget* parent = nullptr);
    bool stretched() const { return stretch_; }
    QString resource() const { return resource_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString resource_;
    bool stretch_;
    std::shared_ptr<QSvgRenderer> svg_;
};

// A two-state push button whose caption wraps onto several lines when one
// line is too narrow for it; Space and Enter toggle it.
class ToggleButton : public PushButton {
    Q_OBJECT
public:
    explicit ToggleButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A frame of the design: it groups controls (the sensor choice) or covers
// them. A class of its own, so that assistive tools see a group, not a
// window frame.
class Frame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};

// An option button of a group. A class of its own, so that assistive tools
// press it only where the keyboard could.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
};

// Single-line text box whose key filter sees every typed character first:
// it gets the character code (Enter 13, Backspace 8) and may replace it or
// swallow it by setting it to 0.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    void setKeyFilter(std::function<void(int&)> filter) { filter_ = std::move(filter); }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::function<void(int&)> filter_;
};

// The standard 16-colour palette.
QColor paletteColor(int index);

} // namespace ui
