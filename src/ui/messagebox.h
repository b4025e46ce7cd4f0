#pragma once
// The modal message box: the text with CR line breaks, one OK button and
// the application's title.

#include <QDialog>
#include <QString>

#include <memory>

namespace ui {

// The box for `text`, not yet shown. A text that would make the box taller
// than the screen scrolls inside it instead, so the box and its OK button
// always fit on the screen.
std::unique_ptr<QDialog> makeMessageBox(QWidget* parent, const QString& text);

} // namespace ui
