#pragma once
// The text interface of the adapter's read-only texts: the readings, the
// captions and messages, an up-down's meaning and a page of text. A screen
// reader seldom asks for the whole text; it asks for the character, word,
// sentence or line at, before or after an offset (usually the caret), and
// speaks what it gets. Every such piece is cut from the same tiling of the
// text, so that the pieces of one kind, read one after the other, give the
// whole text, the last character included.

#include <QAccessible>
#include <QString>

namespace ui {

// A text that assistive tools read but cannot change or select. Offsets
// count the characters of the shown text (the "°" of a reading is one, as
// the bus counts it, not the two bytes it takes in UTF-8).
class ReadOnlyText : public QAccessibleTextInterface {
public:
    virtual QString content() const = 0;
    // A reading is one quantity: its number and its unit are one word (and
    // one sentence), so that reading word by word never says the number
    // without its unit.
    virtual bool isQuantity() const { return false; }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    // The caret stays before the first character: a screen reader reads the
    // line there, which is the whole reading.
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override;
    int characterCount() const override { return static_cast<int>(content().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The text has no attributes: one run without any covers all of it. A
    // screen reader builds what it speaks from these runs, so a run that
    // fell short of the end would cut off the last character.
    QString attributes(int offset, int* start, int* end) const override;

private:
    // The piece of the given kind `step` pieces away from the one at the
    // offset (-1 before, 0 at, 1 after).
    QString piece(int offset, QAccessible::TextBoundaryType type, int step, int* start, int* end) const;
};

} // namespace ui
