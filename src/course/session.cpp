#include "course/session.h"

#include "course/recordfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSysInfo>

namespace course {

namespace {

// 128 random bits as hex: a record copied under another name repeats them.
QString runIdentifier()
{
    quint32 bits[4];
    QRandomGenerator::system()->fillRange(bits);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bits), sizeof bits).toHex());
}

QString account()
{
    for (const char* name : {"USER", "LOGNAME", "USERNAME"})
        if (const QString v = qEnvironmentVariable(name); !v.isEmpty())
            return v;
    return {};
}

} // namespace

Session::Session(model::CourseSettings settings, const QString& configFolder, const QByteArray& configBytes,
                 Student student)
    : settings_(std::move(settings)), student_(std::move(student))
{
    // One student, one variant, one file name, however the number was typed.
    const QString id = QString::fromStdString(model::normalizedMatrikel(student_.id.toStdString()));
    if (!settings_.schluessel.empty()) {
        draw_ = std::make_unique<model::PersonalDraw>(settings_.schluessel, id.toStdString());
    } else {
        const quint64 seed = QRandomGenerator::system()->generate64();
        draw_ = std::make_unique<model::SeededDraw>(seed);
        record_.seed = QString::number(seed);
    }
    courseFolder_ =
        QString::fromStdString(model::resultFolder(settings_, QDir(configFolder).absolutePath().toStdString()));
    record_.program = QCoreApplication::applicationVersion();
    record_.name = student_.name;
    record_.id = student_.id;
    record_.host = QSysInfo::machineHostName();
    record_.account = account();
    record_.started = QDateTime::currentDateTime();
    record_.configSha256 = QString::fromLatin1(QCryptographicHash::hash(configBytes, QCryptographicHash::Sha256).toHex());
    record_.runId = runIdentifier();
    record_.exam = settings_.pruefung;
    // The maximum tells a resistor from the others: it waits for the evaluation too.
    record_.maximum = 0;
    fileName_ = recordFileName(id, record_.host, record_.started, QCoreApplication::applicationPid());
}

QString Session::write(const QString& state, const model::ExperimentState& s, const evaluation::Answers& answers,
                       const QJsonArray& journal, int maximum, bool choiceShown)
{
    if (courseFolder_.isEmpty())
        return {};
    grading::Record g = toGrading(record_);
    grading::addMoment(g, {state.toStdString(), timeOf(QDateTime::currentDateTime()), s, answers,
                           QJsonDocument(journal).toJson(QJsonDocument::Compact).toStdString(), maximum,
                           choiceShown});
    record_ = fromGrading(g);
    const QByteArray data = toJson(record_);
    const QString trouble = writeRecordFile(courseFolder_, fileName_, data);
    const QString local = localRecordFolder();
    if (trouble.isEmpty()) {
        // The share has it: nothing stays behind for the next student on this account.
        if (!local.isEmpty())
            QFile::remove(QDir(local).filePath(fileName_));
        return {};
    }
    // The share cannot take it: the local copy keeps the run until it can.
    if (!local.isEmpty() && QDir().mkpath(local))
        writeRecordFile(local, fileName_, data);
    return courseFolderNotice(courseFolder_, trouble);
}

} // namespace course
