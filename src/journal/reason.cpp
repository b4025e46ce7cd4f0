#include "journal/reason.h"

#include <QCoreApplication>

#include <array>

namespace journal {

namespace {

// One sentence per kind; %1, %2 stand for the values in their order.
constexpr std::array<const char*, Reason::kindTotal> sentences = {
    "",
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei ist kein Messprotokoll von KORA."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Kopfzeile der Datei passt nicht zu einem Messprotokoll."),
    QT_TRANSLATE_NOOP("journal::Reason", "Zeile %1 der Datei ist unvollständig."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei ist zu groß für ein Messprotokoll."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei lässt sich nicht öffnen (%1)."),
    QT_TRANSLATE_NOOP("journal::Reason", "Das Messprotokoll konnte nicht gespeichert werden:\r%1\r%2"),
    QT_TRANSLATE_NOOP("journal::Reason", "Es gibt keinen Ordner für Programmdaten."),
    QT_TRANSLATE_NOOP("journal::Reason", "Der Ordner %1 kann nicht angelegt werden."),
    QT_TRANSLATE_NOOP("journal::Reason", "In den Ordner %1 darf nicht geschrieben werden."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei %1 kann nicht angelegt werden (%2)."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei %1 kann nicht geöffnet werden (%2)."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei %1 kann nicht geschrieben werden (%2)."),
    QT_TRANSLATE_NOOP("journal::Reason", "Die Datei %1 kann nicht neu geschrieben werden (%2)."),
};

} // namespace

QString reasonText(const Reason& reason)
{
    if (reason.kind <= Reason::none || reason.kind >= Reason::kindTotal)
        return {};
    const QString text = QCoreApplication::translate("journal::Reason", sentences[reason.kind]);
    // One pass over the sentence: a value that holds "%1" stays as it is.
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit()) {
            const int n = text[i + 1].digitValue() - 1;
            out += n < reason.values.size() ? reason.values[n] : QString();
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace journal
