// One whole comparison in the evaluation window: the student's equation
// evaluated at 400 temperatures, both curves drawn and the deviation scored,
// from the Enter key to the verdict. The window is driven offscreen as the
// student drives it; opening it and typing are not timed.

#include "evaluation/formantwort.h"
#include "model/state.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// The verdict's message box would wait for OK; here it is only counted.
class SilentServices : public ui::Services {
public:
    void message(QWidget*, const QString&) override { ++messages; }
    void alert() override {}
    bool printPage(QWidget*, ui::PageSource&) override { return false; }
    int messages = 0;
};

template <class T> T* control(QWidget* root, const char* name)
{
    auto* c = root->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        std::abort();
    return c;
}

void windowComparison(benchmark::State& st, int type, const char* equation)
{
    SilentServices services;
    ui::setServices(&services);
    for (auto _ : st) {
        st.PauseTiming();
        model::ExperimentState state;
        model::setStartValues(state, ',');
        model::f_alpha(state);
        state.sensortyp = static_cast<std::uint8_t>(type);
        auto w = std::make_unique<evaluation::Formantwort>(state);
        w->show();
        (void)QTest::qWaitForWindowExposed(w.get());
        auto* list = control<QListWidget>(w.get(), "Listsensoren");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(type)).center());
        QTest::mouseClick(control<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
        auto* box = control<ui::TextBox>(w.get(), "Textformel");
        QTest::keyClicks(box, QString::fromLatin1(equation));
        const int before = services.messages;
        st.ResumeTiming();

        QTest::keyClick(box, Qt::Key_Return);

        st.PauseTiming();
        if (services.messages != before + 1)
            st.SkipWithError("the comparison gave no verdict");
        w.reset();
        st.ResumeTiming();
    }
    ui::setServices(nullptr);
}

BENCHMARK_CAPTURE(windowComparison, ntc, 0, "0.000357*EXP(5000/T)")->Unit(benchmark::kMillisecond)->Iterations(20);
// A miss is compared once more with T in °C, for the hint under the verdict.
BENCHMARK_CAPTURE(windowComparison, ntc_miss_in_celsius, 0, "0.000357*EXP(5000/(T+273))")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(windowComparison, diode_longest_equation, 4,
                  "T*0.0000875*LN(10000000000*(273/T)^3*EXP(1.2*((1/T)/0.0000875-1/0.0239)))*1000")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
