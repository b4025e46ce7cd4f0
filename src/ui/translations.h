#pragma once
// Qt's own texts (the file dialog, the buttons of message boxes, the help of
// the command line) from Debian's qt6-translations-l10n.

class QLocale;

namespace ui {

// Installs Qt's translation for `locale` on the running application, before
// the first window. False when there is none for that language (English
// then stays).
bool loadQtTranslations(const QLocale& locale);

} // namespace ui
