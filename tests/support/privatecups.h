#pragma once
// A CUPS server of the test's own: its ServerRoot, spool, logs and socket
// lie in a temporary folder, and a cups-pdf queue writes its PDF files
// there too. The test process talks to it alone (CUPS_SERVER), the
// machine's own CUPS is never read or changed, and the server is ended by
// its PID.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

class PrivateCups {
public:
    PrivateCups() = default;
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;
    ~PrivateCups();

    // Starts cupsd and sets up `queue` as the default printer. Returns ""
    // when it runs, otherwise why it cannot run here.
    QString start(const QString& queue);

    // Runs a CUPS command (lpadmin, cupsreject, ...) against this server.
    bool run(const QString& program, const QStringList& args) const;
    // The jobs that are not yet done ("lpstat -o").
    QStringList pendingJobs() const;
    // The first PDF that cups-pdf wrote, waiting for it up to `ms`.
    QString waitForPdf(int ms) const;
    // Waits until no job is in processing any more.
    bool waitUntilIdle(int ms) const;
    // The tail of the server's error log, for a failure message.
    QString log() const;

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    bool writeFiles();
    QString output(const QString& program, const QStringList& args) const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    qint64 pid_ = 0;
};

} // namespace testsupport
