#pragma once
// The language of the program's texts and of Qt's own ones (the file dialog,
// the buttons of message boxes, the help of the command line). German is the
// language the texts are written in and the one the program speaks unless
// told otherwise, whatever the desktop's locale; English ships beside it.
// Numbers keep the locale's decimal separator in either language.

#include <optional>
#include <string_view>

class QLocale;

namespace ui {

enum class Language { German, English };

// "de" or "en" (as the teacher's file and `--sprache` write it); nothing for
// any other word.
std::optional<Language> languageNamed(std::string_view code);

// The language that `--sprache de|en` (or `--sprache=en`) asks for among
// the program's arguments; nothing when the option is absent or names
// another language.
std::optional<Language> languageOption(int argc, const char* const* argv);

// The teacher's file decides, else the command line, else German.
Language chooseLanguage(std::optional<Language> fromFile, std::optional<Language> fromCommandLine);

// Installs the texts of `language` on the running application, before the
// first window; a later call replaces the earlier choice. False when a
// translation could not be loaded (the texts then stay German).
bool installLanguage(Language language);

// Installs Qt's translation for `locale` on the running application, before
// the first window. False when there is none for that language (English
// then stays).
bool loadQtTranslations(const QLocale& locale);

} // namespace ui
