#include "bench/formexp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    bench::Formexp window;
    window.show();
    return app.exec();
}
