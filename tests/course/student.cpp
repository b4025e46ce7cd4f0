// One student's run of a course as a program of its own, so that a test can
// start thirty at once or run one as another user: signs in through
// Formanmeldung, puts up the bench, evaluates the Pt 1000 with every
// answer right (with "auswerten") and closes. Prints each message the
// student was shown on a line of its own; exit status 0 when the run went
// through.
//   course_student FOLDER DATA NAME MATRIKEL [auswerten]
//   course_student --peek FOLDER FILE   (0 when the folder cannot be listed and FILE cannot be read)

#include "bench/formexp.h"
#include "recorder.h"
#include "signin/formanmeldung.h"
#include "studentrun.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {

int peek(const QString& folder, const QString& file)
{
    const bool listed = !QDir(folder).entryList(QDir::Files).isEmpty();
    QFile other(QDir(folder).filePath(file));
    const bool read = other.open(QIODevice::ReadOnly);
    std::printf("gelistet=%d gelesen=%d\n", listed, read);
    return listed || read ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    const QStringList a = QApplication::arguments();
    if (a.value(1) == QLatin1String("--peek"))
        return peek(a.value(2), a.value(3));
    if (a.size() < 5)
        return 2;
    testsupport::Recorder rec;
    qputenv("XDG_DATA_HOME", a[2].toLocal8Bit());
    QDir::setCurrent(a[1]);
    studentrun::answerSignIn(a[3], a[4]);
    signin::Start start = signin::signIn(a[1]);
    if (start.cancelled || !start.session)
        return 4;
    {
        bench::Formexp w(std::move(start.session));
        w.show();
        if (a.value(5) == QLatin1String("auswerten"))
            studentrun::evaluatePt1000Perfectly(w)->close();
        w.close();
    }
    for (const QString& m : rec.messages)
        std::printf("%s\n", qPrintable(QString(m).replace(QChar(13), QLatin1Char(' '))));
    return 0;
}
