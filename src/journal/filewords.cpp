#include "journal/filewords.h"

#include "journal/row.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <functional>

namespace journal {

namespace {

constexpr const char* context = "journal::Row";

FileWords wordsBy(const std::function<QString(const char*)>& word)
{
    FileWords w;
    for (const QString& head : fileColumnNames())
        w.heads << word(head.toUtf8().constData());
    w.on = word(switchedOn);
    w.off = word(switchedOff);
    w.bypassed = word(bypassedWord);
    return w;
}

} // namespace

FileWords currentFileWords()
{
    return wordsBy([](const char* text) { return QCoreApplication::translate(context, text); });
}

const QList<FileWords>& knownFileWords()
{
    static const QList<FileWords> all = [] {
        QList<FileWords> words{wordsBy([](const char* text) { return QString::fromUtf8(text); })};
        for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")})) {
            QTranslator language;
            if (language.load(QStringLiteral(":/i18n/") + file))
                words << wordsBy([&language](const char* text) {
                    const QString translated = language.translate(context, text);
                    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
                });
        }
        return words;
    }();
    return all;
}

} // namespace journal
