#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace ui {

namespace {

// The translators of the current choice, removed when the choice changes.
QPointer<QTranslator> programTexts;
QPointer<QTranslator> qtTexts;

void remove(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator.data();
    }
}

QTranslator* loadQt(const QLocale& locale)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // qtbase holds the texts of the widgets, dialogs and the command line parser.
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

std::optional<Language> languageNamed(std::string_view code)
{
    if (code == "de")
        return Language::German;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

std::optional<Language> languageOption(int argc, const char* const* argv)
{
    std::optional<Language> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--sprache" && i + 1 < argc)
            chosen = languageNamed(argv[++i]);
        else if (a.starts_with("--sprache="))
            chosen = languageNamed(a.substr(10));
    }
    return chosen;
}

Language chooseLanguage(std::optional<Language> fromFile, std::optional<Language> fromCommandLine)
{
    return fromFile.value_or(fromCommandLine.value_or(Language::German));
}

bool installLanguage(Language language)
{
    remove(programTexts);
    remove(qtTexts);
    const bool english = language == Language::English;
    qtTexts = loadQt(english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                             : QLocale(QLocale::German, QLocale::Germany));
    if (!english)
        return qtTexts != nullptr;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/kora_en.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    programTexts = translator;
    // Qt's own texts are written in English: nothing to load is no failure.
    return true;
}

bool loadQtTranslations(const QLocale& locale)
{
    return loadQt(locale) != nullptr;
}

} // namespace ui
