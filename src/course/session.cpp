#include "course/session.h"

#include "course/recordfile.h"
#include "model/config.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QSysInfo>

namespace course {

namespace {

// The file read for its course lines alone: the window is not touched and
// nothing is drawn.
struct NoWindow : model::ConfigTarget {
    void showSelfHeatingSwitch() override {}
    void pressSelfHeatingSwitch() override {}
    void hideSensorChoice() override {}
    void selectSensor(int) override {}
};

struct NoDraw : model::Class1 {
    double RAND(double a, double) override { return a; }
};

QString account()
{
    for (const char* name : {"USER", "LOGNAME", "USERNAME"})
        if (const QString v = qEnvironmentVariable(name); !v.isEmpty())
            return v;
    return {};
}

} // namespace

model::CourseSettings courseSettingsOf(const QByteArray& configBytes)
{
    model::ExperimentState s;
    model::setStartValues(s, '.');
    NoWindow window;
    NoDraw draw;
    model::ProblemList problems;
    problems.keep = 0;
    model::applyConfigText(std::string_view(configBytes.constData(), static_cast<std::size_t>(configBytes.size())),
                           false, s, window, draw, problems);
    return s.course;
}

Session::Session(model::CourseSettings settings, const QString& configFolder, const QByteArray& configBytes,
                 Student student)
    : settings_(std::move(settings)), student_(std::move(student))
{
    if (!settings_.schluessel.empty())
        draw_ = std::make_unique<model::PersonalDraw>(settings_.schluessel, student_.id.toStdString());
    courseFolder_ =
        QString::fromStdString(model::resultFolder(settings_, QDir(configFolder).absolutePath().toStdString()));
    record_.program = QCoreApplication::applicationVersion();
    record_.name = student_.name;
    record_.id = student_.id;
    record_.host = QSysInfo::machineHostName();
    record_.account = account();
    record_.started = QDateTime::currentDateTime();
    record_.configSha256 = QString::fromLatin1(QCryptographicHash::hash(configBytes, QCryptographicHash::Sha256).toHex());
    fileName_ = recordFileName(student_.id, record_.host, record_.started, QCoreApplication::applicationPid());
}

QString Session::write(const QString& state, const model::ExperimentState& s, const evaluation::Answers& answers,
                       const QJsonArray& journal, int maximum)
{
    if (courseFolder_.isEmpty())
        return {};
    record_.updated = QDateTime::currentDateTime();
    record_.state = state;
    record_.moments.push_back({state, record_.updated});
    record_.sensor = sensorOf(s);
    record_.answers = answers;
    record_.total = s.punkte;
    record_.maximum = maximum;
    record_.journal = journal;
    const QByteArray data = toJson(record_);
    // The local copy first: it stays whatever the share does.
    if (const QString local = localRecordFolder(); !local.isEmpty() && QDir().mkpath(local))
        writeRecordFile(local, fileName_, data);
    const QString trouble = writeRecordFile(courseFolder_, fileName_, data);
    return trouble.isEmpty() ? QString() : courseFolderNotice(courseFolder_, trouble);
}

} // namespace course
