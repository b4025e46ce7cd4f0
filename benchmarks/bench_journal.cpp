// The measurement journal at work on the bench, offscreen, with the journal
// window open and painted after every step:
//   journalTick    one whole thermostat tick with a ten-minute time chart
//                  (3000 points per series) and 200 rows, painting included
//   journalRecord  one reading taken with the button, file and charts included
//                  (journalRecordPainted: with the window's repaint after it)
// With --memory it runs an hour of ticks (18 000) instead and prints the
// growth of the resident memory in kB ("rss_growth_kb N").
// The journal's file goes into a temporary XDG_DATA_HOME.

#include "bench/formexp.h"
#include "journal/formprotokoll.h"
#include "journal/journal.h"
#include "ui/services.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QChartView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

class SilentServices : public ui::Services {
public:
    void message(QWidget*, const QString&) override {}
    void alert() override {}
};

long long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoll(line.substr(6));
    return -1;
}

// Counts what the time chart really paints.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A bench after the start with 200 rows in its journal, ten minutes of
// ticks behind it and the journal window open.
struct Lab {
    std::unique_ptr<bench::Formexp> w;
    PaintCounter counter;

    Lab()
    {
        w = std::make_unique<bench::Formexp>();
        w->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        w->show();
        (void)QTest::qWaitForWindowExposed(w.get());
        QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("Picture1")), Qt::LeftButton);
        auto* setPoint = w->findChild<QAbstractSlider*>(QStringLiteral("UpDownT"));
        auto* take = w->findChild<QPushButton*>(QStringLiteral("Commandmessen"));
        for (int i = 0; i < 200; ++i) {
            setPoint->setValue(20 + (i * 7) % 81);
            for (int k = 0; k < 15; ++k)
                w->Timer1_Timer();
            take->click();
        }
        w->findChild<QPushButton*>(QStringLiteral("Commandprotokoll"))->click();
        (void)QTest::qWaitForWindowExposed(w->journalWindow());
        w->journalWindow()
            ->findChild<QChartView*>(QStringLiteral("Chartzeitverlauf"))
            ->viewport()
            ->installEventFilter(&counter);
        QApplication::processEvents();
    }
    // Each run of a benchmark starts from the same 200 rows.
    void backToStart()
    {
        QList<int> added;
        for (int i = 200; i < w->journal().rows().size(); ++i)
            added << i;
        w->journal().removeRowsAt(added);
        w->journal().undoStack()->clear();
        QApplication::processEvents();
    }
    void tick()
    {
        w->Timer1_Timer();
        QApplication::processEvents();
    }
};

std::unique_ptr<Lab> rig;

// The same counters for every benchmark (the CSV report wants them so):
// time-chart points, its paints per iteration, rows in the journal.
void count(benchmark::State& st, int paintsBefore)
{
    st.counters["points"] = rig->w->journalWindow()->timeChart().pointCount();
    st.counters["paints_per_iteration"] = double(rig->counter.paints - paintsBefore) / double(st.iterations());
    st.counters["rows"] = static_cast<double>(rig->w->journal().rows().size());
}

void journalTick(benchmark::State& st)
{
    auto* setPoint = rig->w->findChild<QAbstractSlider*>(QStringLiteral("UpDownT"));
    int n = 0;
    const int before = rig->counter.paints;
    for (auto _ : st) {
        // The thermostat moves now and then, so that the axes have work too.
        if (++n % 250 == 0) {
            st.PauseTiming();
            setPoint->setValue(20 + (n / 250 * 13) % 81);
            st.ResumeTiming();
        }
        rig->tick();
    }
    count(st, before);
}

// The reading itself: the row in the table's model, the file appended and
// flushed, the characteristic's new point. The window's repaint that follows
// in the event loop is left out here and timed below.
void journalRecord(benchmark::State& st)
{
    auto* take = rig->w->findChild<QPushButton*>(QStringLiteral("Commandmessen"));
    const int before = rig->counter.paints;
    for (auto _ : st) {
        take->click();
        st.PauseTiming();
        QApplication::processEvents();
        st.ResumeTiming();
    }
    count(st, before);
    rig->backToStart();
}

// The same with the repaint of the table and both charts that it causes.
void journalRecordPainted(benchmark::State& st)
{
    auto* take = rig->w->findChild<QPushButton*>(QStringLiteral("Commandmessen"));
    const int before = rig->counter.paints;
    for (auto _ : st) {
        take->click();
        QApplication::processEvents();
    }
    count(st, before);
    rig->backToStart();
}

BENCHMARK(journalTick)->Unit(benchmark::kMillisecond)->Iterations(600);
BENCHMARK(journalRecord)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(journalRecordPainted)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SilentServices services;
    ui::setServices(&services);
    const bool memory = argc > 1 && std::strcmp(argv[1], "--memory") == 0;
    rig = std::make_unique<Lab>();
    // Ten minutes of ticks, so that the time chart is full.
    for (int i = 0; i < 3000; ++i)
        rig->tick();
    if (memory) {
        const long long start = residentKb();
        for (int i = 0; i < 18000; ++i)
            rig->tick();
        std::printf("rss_growth_kb %lld\npoints %d\n", residentKb() - start,
                    rig->w->journalWindow()->timeChart().pointCount());
    } else {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    rig.reset();
    ui::setServices(nullptr);
    return 0;
}
