#pragma once
// The experiment window's design: its controls as a table, and the task page.

#include "ui/layout.h"

#include <span>

class QPainter;
class QSize;
class QString;

namespace bench {

inline constexpr int windowWidth = 10980;  // twips, client area
inline constexpr int windowHeight = 7815;

// The controls from back to front: a row listed later covers the ones before it.
std::span<const ui::ControlSpec> formexpRows();

// The task page, drawn unscaled from the top-left corner of its surface.
void paintTaskPage(QPainter& p, const QSize& surface);

// The task page's text, a line for each line of the page.
QString taskPageText();

} // namespace bench
