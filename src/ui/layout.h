#pragma once
// Layout as data: each window's controls come from one table of rows, with
// positions and sizes in twips (15 twips to a logical pixel), built into
// real widgets named by their control names.

#include "lab/layoutspec.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>

#include <span>

namespace ui {

inline constexpr double twipsPerPixel = 15.0;

// Twips to logical pixels, rounded to the nearest pixel.
int px(int twips);
QRect pxRect(int left, int top, int width, int height);

// The rows' types are the lab's, so that every skin reads the same table.
using Kind = lab::Kind;
using Face = lab::Face;
using FontSpec = lab::FontSpec;
using ControlSpec = lab::ControlSpec;
inline constexpr double defaultPoints = lab::defaultPoints;

// The desktop's controls of the kinds: Label ui::Label, UpDownV/UpDownH
// ui::UpDown, Button ui::PushButton, Toggle ui::ToggleButton, Option
// ui::OptionButton, Frame and Panel ui::Frame, Surface ui::DrawingSurface,
// List ui::ListBox, TextBox ui::TextBox, Image and ImageStretched ui::ImageBox.
// The fonts are served by their metric twins from fonts-liberation2.
QFont designFont(const FontSpec& f);

// A window of the design: fixed client size in twips, its background
// colour, the default font that its controls inherit and the frame that
// marks the focused control.
void setUpWindow(QWidget* window, int widthTwips, int heightTwips, const QColor& background);

// Builds the rows in order; a row placed later lies in front of the ones
// before it. With a translation context, texts, accessible names and tooltips
// are shown in the chosen language; an up-down takes its range and start
// position. Returns the widgets by name.
QHash<QString, QWidget*> buildControls(QWidget* window, std::span<const ControlSpec> rows,
                                       const char* context = nullptr);

} // namespace ui
