#include "course/overview.h"

#include "course/archive.h"
#include "course/text.h"
#include "course/variant.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace course {

namespace {

grading::Judged readAndJudge(const QString& path, const grading::TeacherFile* teacher)
{
    QFile f(path);
    if (f.size() > static_cast<qint64>(grading::largestRecord))
        return {{}, grading::tooLargeForARecord()};
    if (!f.open(QIODevice::ReadOnly))
        return {{}, {QT_TRANSLATE_NOOP("course", "die Datei lässt sich nicht öffnen"), {}}};
    const QByteArray data = f.readAll();
    return grading::judge(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), teacher);
}

// Re-scoring runs the whole comparison for every evaluated record, and the
// teacher's file is read again for every variant; the records are
// independent, so every core takes its share.
std::vector<grading::Judged> readAll(std::size_t count, const std::function<grading::Judged(std::size_t)>& readOne)
{
    std::vector<grading::Judged> judged(count);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < judged.size(); i = next++)
            judged[i] = readOne(i);
    };
    const unsigned helpers = std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()) - 1, 15);
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < helpers && t + 1 < judged.size(); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    return judged;
}

Overview overviewOf(const QStringList& names, const std::function<grading::Judged(std::size_t)>& readOne,
                    Counting counting, const TeacherFile* teacher)
{
    std::vector<std::string> plain;
    plain.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& n : names)
        plain.push_back(n.toStdString());
    return grading::overviewOf(plain, readAll(plain.size(), readOne), counting, teacher ? &teacher->file() : nullptr);
}

} // namespace

Overview readFolder(const QString& folder, Counting counting, const TeacherFile* teacher)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    const grading::TeacherFile* file = teacher ? &teacher->file() : nullptr;
    return overviewOf(
        names, [&](std::size_t i) { return readAndJudge(dir.filePath(names[static_cast<qsizetype>(i)]), file); },
        counting, teacher);
}

Overview readZip(const ZipContents& zip, Counting counting, const TeacherFile* teacher)
{
    QStringList names;
    for (const ZipFile& f : zip.records)
        names << f.name;
    const grading::TeacherFile* file = teacher ? &teacher->file() : nullptr;
    return overviewOf(
        names,
        [&](std::size_t i) {
            const QByteArray& data = zip.records[i].data;
            return grading::judge(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), file);
        },
        counting, teacher);
}

QString tableText(const Overview& o)
{
    return QString::fromStdString(grading::tableText(o, words()));
}

QByteArray csvText(const Overview& o)
{
    return QByteArray::fromStdString(grading::csvText(o, words()));
}

QByteArray htmlPage(const Overview& o, const QString& folder)
{
    const QString created = QDateTime::currentDateTime().toString(tr("dd.MM.yyyy HH:mm"));
    return QByteArray::fromStdString(
        grading::htmlPage(o, words(), QDir::toNativeSeparators(folder).toStdString(), created.toStdString()));
}

} // namespace course
