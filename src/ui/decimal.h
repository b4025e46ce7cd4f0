#pragma once
// The decimal separator of the user's locale, as every window shows numbers.

#include <QChar>

namespace ui {

// The first character of the locale's decimal point; "." when the locale
// names none, so that a number text never loses its separator.
QChar decimalSeparator();

} // namespace ui
