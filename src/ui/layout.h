#pragma once
// Layout as data: each window's controls come from one table of rows, with
// positions and sizes in twips (15 twips to a logical pixel), built into
// real widgets named by their control names.

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

enum class Kind {
    Label,      // ui::Label
    UpDownV,    // ui::UpDown, arrows up and down
    UpDownH,    // ui::UpDown, arrows left and right
    Button,     // ui::PushButton, pressed by Space and Enter
    Toggle,     // ui::ToggleButton, two states, caption wraps
    Option,     // ui::OptionButton
    Frame,      // ui::Frame without caption
    Panel,      // ui::Frame, blank cover
    Surface,    // ui::DrawingSurface
    List,       // ui::ListBox, reports Enter
    TextBox,    // ui::TextBox
    Image,      // ui::ImageBox at the picture's own size; text is the resource
    ImageStretched, // ui::ImageBox stretched to the box
};

// Font faces of the design, served by their metric twins from
// fonts-liberation2. Default is the design's system font, a sans-serif
// face at 8.25 points.
enum class Face { Default, Sans, Serif, Mono };

struct FontSpec {
    Face face = Face::Default;
    double points = 0; // 0: the design's default size, 8.25 points
    bool bold = false;
};

inline constexpr double defaultPoints = 8.25;

struct ControlSpec {
    const char* name;
    Kind kind;
    int left, top, width, height; // twips, relative to the parent
    const char* text = "";
    FontSpec font{};
    const char* parent = nullptr; // name of the containing control, or the window
    bool visible = true;
    const char* accessibleName = nullptr;
    const char* toolTip = nullptr;
};

QFont designFont(const FontSpec& f);

// A window of the design: fixed client size in twips, its background
// colour, the default font that its controls inherit and the frame that
// marks the focused control.
void setUpWindow(QWidget* window, int widthTwips, int heightTwips, const QColor& background);

// Builds the rows in order; a row placed later lies in front of the ones
// before it. With a translation context, texts, accessible names and tooltips
// are shown in the chosen language. Returns the widgets by name.
QHash<QString, QWidget*> buildControls(QWidget* window, std::span<const ControlSpec> rows,
                                       const char* context = nullptr);

} // namespace ui
