// Periodic table: opening the window (built, shown and painted once) and showing an element
// on the sheet. Run with QT_QPA_PLATFORM=offscreen, or under Xvfb for a real screen.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/chem/periodic_window.h"
#include "core/chem/periodic_model.h"

#include "bench_application.h"

// From nothing to the window on the screen with its first frame painted.
static void BM_PeriodicWindowOpens(benchmark::State& state) {
    numeralia::bench::application();
    numeralia::bench::WindowProgram program;
    for (auto _ : state) {
        auto* window = new numeralia::app::PeriodicWindow(program.context);
        window->show();
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PeriodicWindowOpens)->Unit(benchmark::kMillisecond)->Iterations(30);

// A key click: the sheet filled and repainted.
static void BM_PeriodicWindowShowsAnElement(benchmark::State& state) {
    numeralia::bench::application();
    numeralia::bench::WindowProgram program;
    numeralia::app::PeriodicWindow window(program.context);
    window.show();
    QApplication::processEvents();
    int z = 0;
    for (auto _ : state) {
        z = z % 109 + 1;
        window.model().clickElement(z);
        window.refresh();
        window.repaint();
    }
}
BENCHMARK(BM_PeriodicWindowShowsAnElement)->Unit(benchmark::kMillisecond);

// The model alone: every key once.
static void BM_EveryKeyInTheModel(benchmark::State& state) {
    numeralia::SharedState shared;
    numeralia::chem::PeriodicTableModel model(shared);
    for (auto _ : state) {
        for (int z = 1; z <= 109; ++z) model.clickElement(z);
        benchmark::DoNotOptimize(model.sheet().nombres.data());
    }
}
BENCHMARK(BM_EveryKeyInTheModel)->Unit(benchmark::kMicrosecond);
