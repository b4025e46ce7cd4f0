// Finding, opening and applying the configuration file.

#include "model/config.h"

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

std::string configPath(const std::string& pfad) { return (std::filesystem::path(pfad) / "cmmup.dlx").string(); }

void f_connect(ExperimentState& s, ConfigTarget& target, Class1& random, ProblemList& problems)
{
    applyConfigFile(readConfigFile(configPath(s.pfad)), "cmmup.dlx", s, target, random, problems);
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
    auto wholeFile = [&](Reason why) { problems.add({0, "", {{why, {std::string(name)}, {}}}}); };
    switch (file.kind) {
    case ConfigFile::Kind::Missing:
        return;
    case ConfigFile::Kind::NotRegular:
        return wholeFile(Reason::FileNotRegular);
    case ConfigFile::Kind::Unreadable:
        return wholeFile(Reason::FileUnreadable);
    case ConfigFile::Kind::Read:
        break;
    }
    applyConfigText(file.bytes, file.cut, s, target, random, problems, notes);
    if (file.readError)
        wholeFile(Reason::FileReadIncomplete);
}

} // namespace model
