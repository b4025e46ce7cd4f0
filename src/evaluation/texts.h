#pragma once
// The evaluation's messages as the window words them: the lab's forms in the
// chosen language, lines joined by the CR line break.

#include "lab/words.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace evaluation {

// The line break of the message texts.
inline const QChar cr(13);

// A form of the lab in the chosen language; an empty form is an empty text.
inline QString worded(const char* context, const lab::Form& form)
{
    if (form.empty())
        return {};
    QString text = QCoreApplication::translate(context, form.key.c_str());
    if (form.values.size() == 2)
        return text.arg(QString::fromStdString(form.values[0]), QString::fromStdString(form.values[1]));
    for (const std::string& value : form.values)
        text = text.arg(QString::fromStdString(value));
    return text;
}

// Forms worded and joined by `between`: lines by the CR, parts of a line by nothing.
inline QString worded(const char* context, const std::vector<lab::Form>& forms, const QString& between)
{
    QString out;
    bool first = true;
    for (const lab::Form& form : forms) {
        if (!first)
            out += between;
        out += worded(context, form);
        first = false;
    }
    return out;
}

} // namespace evaluation
