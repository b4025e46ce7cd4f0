#include "bench/formexp.h"
#include "ui/layout.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kora.svg")));
    // Message boxes and dialogs in the windows' own face.
    QApplication::setFont(ui::designFont({}));
    bench::Formexp window;
    window.show();
    return app.exec();
}
