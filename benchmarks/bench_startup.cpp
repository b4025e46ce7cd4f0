// The program's start as the student sees it: the experiment window built
// exactly as main builds it, shown, and waited for until it is on the screen
// (offscreen). Prints three values, one "name value" pair a line:
//   shown_at_ns   wall clock (CLOCK_REALTIME) when the window was exposed; the
//                 caller subtracts its own clock at launch, so that loading
//                 the libraries counts too
//   main_to_shown_ms  the same from the first line of main
//   peak_rss_kb   the process's peak resident memory (VmHWM) after the first
//                 second of the running window: painting and a few ticks
// A teacher's report of unused lines is built and shown as the student sees
// it, but not waited on, so that a start in a folder with a bad cmmup.dlx
// is measured the same way.

#include "bench/formexp.h"
#include "ui/messagebox.h"
#include "ui/services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

class ShownNotWaited : public ui::Services {
public:
    // The box belongs to the window it was raised for and goes with it.
    void message(QWidget* parent, const QString& text) override { ui::makeMessageBox(parent, text).release()->show(); }
};

long long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    ShownNotWaited services;
    ui::setServices(&services);
    bench::Formexp window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const double mainToShown = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    QTest::qWait(1000);
    ui::setServices(nullptr);
    std::printf("shown_at_ns %lld\nmain_to_shown_ms %.1f\npeak_rss_kb %lld\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, mainToShown, peakResidentKb());
    return 0;
}
