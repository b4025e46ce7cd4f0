#include "privatecups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

const QString realServerBin = QStringLiteral("/usr/lib/cups");
const QString realBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString pdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

// cups-pdf reads its settings only from /etc/cups. For this backend alone,
// in a mount namespace of its own, the test server's folder (CUPS_SERVERROOT)
// lies over /etc/cups, so the backend reads the test's cups-pdf.conf and the
// machine's files are neither read nor changed; the namespace ends with the
// backend.
const char* const backendWrapper = R"(#!/bin/sh
[ $# -eq 0 ] && exec /usr/lib/cups/backend/cups-pdf
exec unshare --mount --propagation private sh -c \
  'mount --bind "$CUPS_SERVERROOT" /etc/cups && exec /usr/lib/cups/backend/cups-pdf "$@"' cups-pdf "$@"
)";

bool writeFile(const QString& name, const QString& text, QFile::Permissions mode = {})
{
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(text.toUtf8());
    f.close();
    return mode == QFile::Permissions{} || f.setPermissions(mode);
}

// Why the wrapper's mount namespace cannot be had here (a container may
// refuse to change the root's propagation), or nothing when it can.
QString namespaceRefused()
{
    QProcess p;
    p.start(QStringLiteral("unshare"), {QStringLiteral("--mount"), QStringLiteral("--propagation"),
                                        QStringLiteral("private"), QStringLiteral("true")});
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("unshare kam nicht zurück");
    }
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return {};
    const QString said = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    return said.isEmpty() ? QStringLiteral("unshare fehlt oder scheitert") : said;
}

} // namespace

bool PrivateCups::writeFiles()
{
    QDir root(dir_.path());
    for (const char* sub : {"conf", "bin", "bin/backend", "spool", "tmp", "cache", "state", "log", "out", "pdfspool",
                            "home", "client"})
        if (!root.mkpath(QString::fromLatin1(sub)))
            return false;
    // Filters run as the user lp: it must reach the spool and write the
    // temporary folder.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (::chmod(QFile::encodeName(path(QStringLiteral("tmp"))).constData(), 01777) != 0)
        return false;
    // A ServerBin of its own: links to the real filters, drivers and
    // daemons, and the wrapper in place of the cups-pdf backend.
    for (const QString& entry : QDir(realServerBin).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry != QLatin1String("backend") &&
            !QFile::link(realServerBin + QLatin1Char('/') + entry, path(QStringLiteral("bin/") + entry)))
            return false;
    if (!writeFile(path(QStringLiteral("bin/backend/cups-pdf")), QString::fromLatin1(backendWrapper),
                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) // 0700: run as root
        return false;

    const QString d = dir_.path();
    // One job per printer, so that a second job for a stopped queue is refused.
    return writeFile(path(QStringLiteral("conf/cupsd.conf")),
                     QStringLiteral("Listen %1/cupsd.sock\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                    "BrowseLocalProtocols none\nDefaultAuthType None\nMaxJobsPerPrinter 1\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                         .arg(d)) &&
           writeFile(path(QStringLiteral("conf/cups-files.conf")),
                     QStringLiteral("ServerRoot %1/conf\nServerBin %1/bin\nDataDir /usr/share/cups\n"
                                    "RequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\nStateDir %1/state\n"
                                    "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                    "PageLog %1/log/page_log\nFileDevice No\n")
                         .arg(d)) &&
           writeFile(path(QStringLiteral("conf/cups-pdf.conf")),
                     QStringLiteral("Out %1/out\nAnonDirName %1/out\nSpool %1/pdfspool\nGSTmp %1/tmp\nGrp root\n"
                                    "Log %1/log\n")
                         .arg(d));
}

QString PrivateCups::start(const QString& queue)
{
    const QString cupsd =
        QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (cupsd.isEmpty())
        return QStringLiteral("cupsd fehlt (scripts/setup installiert cups): der Drucktest entfällt");
    if (!QFile::exists(realBackend) || !QFile::exists(pdfDriver))
        return QStringLiteral("cups-pdf fehlt (printer-driver-cups-pdf): der Drucktest entfällt");
    if (::geteuid() != 0)
        return QStringLiteral("der cups-pdf-Drucker braucht root (wie in CI): der Drucktest entfällt");
    if (const QString why = namespaceRefused(); !why.isEmpty())
        return QStringLiteral("cups-pdf braucht \"unshare --mount --propagation private\", hier verweigert (") +
               why + QStringLiteral("): der Drucktest entfällt");
    if (!dir_.isValid() || !writeFiles())
        return QStringLiteral("der Ordner für cupsd ließ sich nicht anlegen");

    // This process and every command it starts talk to this server alone;
    // no client.conf or lpoptions of the machine or the user is read.
    qputenv("CUPS_SERVER", QFile::encodeName(path(QStringLiteral("cupsd.sock"))));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(path(QStringLiteral("client"))));
    qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    cupsd_.setProcessChannelMode(QProcess::ForwardedChannels);
    cupsd_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("conf/cupsd.conf")),
                         QStringLiteral("-s"), path(QStringLiteral("conf/cups-files.conf"))});
    if (!cupsd_.waitForStarted(10000))
        return QStringLiteral("cupsd startet nicht");
    pid_ = cupsd_.processId();
    const QDeadlineTimer ready(20000);
    while (output(QStringLiteral("lpstat"), {QStringLiteral("-r")}).trimmed() != QStringLiteral("scheduler is running")) {
        if (ready.hasExpired() || cupsd_.state() != QProcess::Running)
            return QStringLiteral("cupsd antwortet nicht:\n") + log();
        QThread::msleep(100);
    }
    // pdftocairo turns the page into PostScript with its fonts' text intact,
    // so that the PDF which cups-pdf makes of it can be read back.
    if (!run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                                         QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), pdfDriver,
                                         QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")}) ||
        !run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}))
        return QStringLiteral("die Warteschlange ließ sich nicht anlegen:\n") + log();
    return {};
}

PrivateCups::~PrivateCups()
{
    if (pid_ <= 0)
        return;
    ::kill(static_cast<pid_t>(pid_), SIGTERM);
    if (!cupsd_.waitForFinished(10000)) {
        ::kill(static_cast<pid_t>(pid_), SIGKILL);
        cupsd_.waitForFinished(5000);
    }
}

QString PrivateCups::output(const QString& program, const QStringList& args) const
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("\x01"); // no answer
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool PrivateCups::run(const QString& program, const QStringList& args) const
{
    return output(program, args) != QStringLiteral("\x01");
}

QStringList PrivateCups::pendingJobs() const
{
    return output(QStringLiteral("lpstat"), {QStringLiteral("-o")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString PrivateCups::waitForPdf(int ms) const
{
    const QDeadlineTimer deadline(ms);
    do {
        const auto files = QDir(path(QStringLiteral("out"))).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
        // cups-pdf writes into the file and then closes it; the job ends after.
        if (!files.isEmpty() && pendingJobs().isEmpty())
            return files.front().absoluteFilePath();
        QThread::msleep(200);
    } while (!deadline.hasExpired());
    return {};
}

bool PrivateCups::waitUntilIdle(int ms) const
{
    const QDeadlineTimer deadline(ms);
    while (!pendingJobs().isEmpty()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(200);
    }
    return true;
}

QString PrivateCups::log() const
{
    QFile f(path(QStringLiteral("log/error_log")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll().right(4000));
}

} // namespace testsupport
