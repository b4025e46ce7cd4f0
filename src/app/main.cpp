#include "app/commandline.h"
#include "bench/formexp.h"
#include "signin/formanmeldung.h"
#include "ui/layout.h"
#include "ui/translations.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv)
{
    // The teacher's options need no display.
    if (app::wantsCommandLine(argc, argv))
        return app::runCommandLine(argc, argv);
    // Without one the toolkit would abort with a hint at reinstalling.
    if (!app::hasDisplay())
        return app::refuseWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    QApplication::setApplicationVersion(QStringLiteral(KORA_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kora.svg")));
    // The teacher's file, read once: it chooses the language, else `--sprache`;
    // German otherwise, on an English desktop too. Qt's own dialogs follow the choice.
    const model::StartChoices choices = model::readStartChoices(QDir::currentPath().toStdString());
    ui::installLanguage(app::languageOfTheRun(choices, argc, argv));
    // Message boxes and dialogs in the windows' own face.
    QApplication::setFont(ui::designFont({}));
    // A course asks for the student before the bench appears; "Abbrechen"
    // ends here, before any file is written.
    signin::Start start = signin::signIn(choices);
    if (start.cancelled)
        return 0;
    bench::Formexp window(std::move(start.session), choices.file);
    window.show();
    return app.exec();
}
