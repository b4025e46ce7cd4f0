#pragma once
// The experiment window's design on the desktop: the lab's table of
// controls, and the task page drawn and read from the lab's lines.

#include "lab/benchlayout.h"
#include "ui/layout.h"

#include <span>

class QPainter;
class QSize;
class QString;

namespace bench {

inline constexpr int windowWidth = lab::benchWidth; // twips, client area
inline constexpr int windowHeight = lab::benchHeight;

// The controls from back to front: a row listed later covers the ones before it.
inline std::span<const ui::ControlSpec> formexpRows()
{
    return lab::benchControls();
}

// The task page, drawn unscaled from the top-left corner of its surface.
void paintTaskPage(QPainter& p, const QSize& surface);

// The task page's text, a line for each line of the page.
QString taskPageText();

} // namespace bench
