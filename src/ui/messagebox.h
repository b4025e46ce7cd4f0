#pragma once
// The modal message box: the text with CR line breaks, one OK button and
// the application's title.

#include <QDialog>
#include <QRect>
#include <QString>

#include <memory>

namespace ui {

// The box for `text`, not yet shown. A text that would make the box taller
// than the screen scrolls inside it instead, so the box and its OK button
// always fit on the screen.
// With `keepClear` (global coordinates) the box opens clear of it: to its
// right, below it, to its left or above it, the first side where the screen
// has room, else where it covers least of it.
std::unique_ptr<QDialog> makeMessageBox(QWidget* parent, const QString& text, const QRect& keepClear = {});

// A question with the buttons `yes` and `no`, `no` the default and Esc; once
// answered, its property "answeredYes" tells which.
std::unique_ptr<QDialog> makeQuestionBox(QWidget* parent, const QString& text, const QString& yes,
                                         const QString& no);

// Where a box of `size` goes clear of `keepClear` inside `area`; `gap` is
// kept to the rectangle.
QPoint placeClearOf(const QSize& size, const QRect& keepClear, const QRect& area, int gap = 8);

} // namespace ui
