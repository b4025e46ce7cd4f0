#include "ui/accessibletext.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace ui {

namespace {

// Where the pieces of one kind begin, in order, from 0 up to and including
// the text's length; the pieces tile the text without gap or overlap.
std::vector<int> cuts(const QString& text, QAccessible::TextBoundaryType type, bool quantity)
{
    const int length = static_cast<int>(text.size());
    std::vector<int> at{0};
    // A quantity is one word, one sentence and one line: "01.50 V" in
    // English is not two sentences.
    if (quantity && type != QAccessible::CharBoundary)
        type = QAccessible::NoBoundary;
    auto found = [&](QTextBoundaryFinder::BoundaryType kind) {
        QTextBoundaryFinder finder(kind, text);
        for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary())
            at.push_back(static_cast<int>(p));
    };
    switch (type) {
    case QAccessible::CharBoundary:
        // A letter with its combining accent is one character to a listener.
        found(QTextBoundaryFinder::Grapheme);
        break;
    case QAccessible::WordBoundary:
        // A word runs from its first character to the next word's, the
        // spaces after it included, as the bus defines it; punctuation stays
        // with its word and the "°" with its "C".
        for (int i = 1; i < length; ++i)
            if (text[i - 1].isSpace() && !text[i].isSpace())
                at.push_back(i);
        break;
    case QAccessible::SentenceBoundary:
        found(QTextBoundaryFinder::Sentence);
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
        // A line ends after its line break.
        for (int i = 0; i + 1 < length; ++i)
            if (text[i] == QLatin1Char('\n'))
                at.push_back(i + 1);
        break;
    case QAccessible::NoBoundary:
        break;
    }
    at.push_back(length);
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    return at;
}

bool isLine(QAccessible::TextBoundaryType type)
{
    return type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary;
}

} // namespace

QString ReadOnlyText::text(int start, int end) const
{
    const QString all = content();
    const qsizetype last = end < 0 || end > all.size() ? all.size() : end;
    const qsizetype first = std::clamp<qsizetype>(start, 0, last);
    return all.mid(first, last - first);
}

QString ReadOnlyText::attributes(int offset, int* start, int* end) const
{
    const int length = characterCount();
    if (offset == -2)
        offset = cursorPosition();
    const bool inside = offset == -1 || (offset >= 0 && offset <= length);
    *start = inside ? 0 : -1;
    *end = inside ? length : -1;
    return {};
}

QString ReadOnlyText::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                       int* end) const
{
    return piece(offset, type, -1, start, end);
}

QString ReadOnlyText::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                      int* end) const
{
    return piece(offset, type, 1, start, end);
}

QString ReadOnlyText::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    return piece(offset, type, 0, start, end);
}

QString ReadOnlyText::piece(int offset, QAccessible::TextBoundaryType type, int step, int* start,
                            int* end) const
{
    const QString all = content();
    const int length = static_cast<int>(all.size());
    // By the interface's convention -2 is the caret and -1 the end.
    if (offset == -2)
        offset = cursorPosition();
    else if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length) {
        *start = *end = -1;
        return {};
    }
    const std::vector<int> at = cuts(all, type, isQuantity());
    const int pieces = static_cast<int>(at.size()) - 1;
    int index = static_cast<int>(std::upper_bound(at.begin(), at.end(), offset) - at.begin()) - 1;
    // At the end of the text a screen reader asks for the word or line it
    // has just passed: that is the last one. Only a character and the line
    // after a closing line break are empty there.
    const bool emptyAtEnd =
        type == QAccessible::CharBoundary || (isLine(type) && all.endsWith(QLatin1Char('\n')));
    if (index == pieces && pieces > 0 && !emptyAtEnd)
        --index;
    index += step;
    if (index < 0) {
        *start = *end = 0;
        return {};
    }
    if (index >= pieces) {
        *start = *end = length;
        return {};
    }
    *start = at[index];
    *end = at[index + 1];
    return all.mid(*start, *end - *start);
}

} // namespace ui
