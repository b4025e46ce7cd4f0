#include "app/commandline.h"
#include "bench/formexp.h"
#include "ui/layout.h"
#include "ui/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char** argv)
{
    // The teacher's options need no display.
    if (app::wantsCommandLine(argc, argv))
        return app::runCommandLine(argc, argv);
    // Without one the toolkit would abort with a hint at reinstalling.
    if (!app::hasDisplay())
        return app::refuseWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kora.svg")));
    // The file dialog and the buttons of message boxes in the user's language.
    ui::loadQtTranslations(QLocale::system());
    // Message boxes and dialogs in the windows' own face.
    QApplication::setFont(ui::designFont({}));
    bench::Formexp window;
    window.show();
    return app.exec();
}
