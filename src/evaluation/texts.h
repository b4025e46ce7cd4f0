#pragma once
// The evaluation's messages as the window builds them: CR line breaks, the
// locale's decimal separator, texts from the std tables.

#include "ui/decimal.h"

#include <QString>

#include <initializer_list>
#include <string_view>

namespace evaluation {

// The line break of the message texts.
inline const QChar cr(13);

// Joins lines with the CR line break of the message texts.
inline QString lines(std::initializer_list<QString> parts)
{
    QString out;
    bool first = true;
    for (const QString& part : parts) {
        if (!first)
            out += cr;
        out += part;
        first = false;
    }
    return out;
}

// The locale's separator as the number texts take it.
inline char separator()
{
    return ui::decimalSeparator().toLatin1();
}

// A text of the std tables (UTF-8) as a QString.
inline QString fromTable(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace evaluation
