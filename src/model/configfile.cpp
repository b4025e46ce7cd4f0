// Finding and opening the configuration file, and the reports of what could
// not be used.

#include "model/config.h"

#include "model/configtext.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model {

namespace {

// Reads up to maxConfigBytes and one byte more, which tells that the file
// goes on; the buffer grows only with what the file really holds.
void readBounded(int fd, ConfigFile& file)
{
    char chunk[65536];
    while (file.bytes.size() <= maxConfigBytes) {
        const std::size_t want = std::min(sizeof chunk, maxConfigBytes + 1 - file.bytes.size());
        const ssize_t n = ::read(fd, chunk, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            file.readError = true;
        if (n <= 0)
            break;
        file.bytes.append(chunk, static_cast<std::size_t>(n));
    }
    file.cut = file.bytes.size() > maxConfigBytes;
    if (file.cut)
        file.bytes.resize(maxConfigBytes);
}

} // namespace

ConfigFile readConfigFile(const std::string& path)
{
    ConfigFile file;
    struct stat st {};
    // The kind is looked at before opening: opening a named pipe waits for a
    // writer, and opening a device may already act on it.
    if (::stat(path.c_str(), &st) != 0) {
        const bool absent = errno == ENOENT || errno == ENOTDIR;
        struct stat link {};
        // A link whose target is gone is there, but cannot be read.
        const bool dangling = ::lstat(path.c_str(), &link) == 0;
        file.kind = absent && !dangling ? ConfigFile::Kind::Missing : ConfigFile::Kind::Unreadable;
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.kind = ConfigFile::Kind::NotRegular;
        return file;
    }
    // Never blocking, in case the name was swapped for a pipe meanwhile; the
    // opened file is looked at once more.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        file.kind = ConfigFile::Kind::Unreadable;
        return file;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        file.kind = ConfigFile::Kind::NotRegular;
    } else {
        file.kind = ConfigFile::Kind::Read;
        readBounded(fd, file);
    }
    ::close(fd);
    return file;
}

void f_connect(ExperimentState& s, ConfigTarget& target, Class1& random, ProblemList& problems)
{
    const auto path = std::filesystem::path(s.pfad) / "cmmup.dlx";
    applyConfigFile(readConfigFile(path.string()), "cmmup.dlx", s, target, random, problems);
}

std::vector<ConfigProblem> f_connect(ExperimentState& s, ConfigTarget& target, Class1& random)
{
    ProblemList problems;
    f_connect(s, target, random, problems);
    return std::move(problems.kept);
}

void applyConfigFile(const ConfigFile& file, std::string_view name, ExperimentState& s, ConfigTarget& target,
                     Class1& random, ProblemList& problems, SettingNotes* notes)
{
    const std::string called = "Die Datei " + std::string(name);
    switch (file.kind) {
    case ConfigFile::Kind::Missing:
        return;
    case ConfigFile::Kind::NotRegular:
        return problems.add({0, "", called + " ist keine gewöhnliche Datei."});
    case ConfigFile::Kind::Unreadable:
        return problems.add({0, "", called + " ist vorhanden, lässt sich aber nicht lesen."});
    case ConfigFile::Kind::Read:
        break;
    }
    applyConfigText(file.bytes, file.cut, s, target, random, problems, notes);
    if (file.readError)
        problems.add({0, "", called + " konnte nicht bis zum Ende gelesen werden."});
}

std::string problemLine(const ConfigProblem& p, std::size_t chars)
{
    if (p.line <= 0)
        return p.reason;
    std::string text = "Zeile " + std::to_string(p.line) + ": ";
    if (!p.text.empty())
        text += configtext::shortened(p.text, chars) + " – ";
    return text + p.reason;
}

std::string problemReport(const std::vector<ConfigProblem>& problems, std::size_t total)
{
    total = std::max(total, problems.size());
    if (total == 0)
        return {};
    // A file that could not be read at all has no lines to list.
    if (std::all_of(problems.begin(), problems.end(), [](const ConfigProblem& p) { return p.line <= 0; }) &&
        total == problems.size()) {
        std::string text;
        for (const auto& p : problems)
            text += (text.empty() ? "" : "\r") + p.reason;
        return text;
    }
    std::string text = "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:";
    const std::size_t shown = std::min(problems.size(), reportedLines);
    // A shortened line keeps the box within the screen however long it was.
    for (std::size_t i = 0; i < shown; ++i)
        text += "\r" + problemLine(problems[i], 60);
    if (const std::size_t more = total - shown; more > 0)
        text += "\r… und " + std::to_string(more) + " weitere Zeilen" +
                " (kora --check-config zeigt alle)";
    return text;
}

} // namespace model
