// Lottery simulator: the automatic mode drawing and storing 100.000 simple bets in the window
// model (the 500-bet warnings answered at once), and 499 bets in the window with its progress
// bar shown. Run with QT_QPA_PLATFORM=offscreen (or on a display).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QProgressBar>

#include "app/lotto/lottery_window.h"
#include "core/lotto/lotto_model.h"
#include "core/shell/random_source.h"

#include "quiet_platform.h"

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "lotto_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Counts the progress bar's appearances during a run.
struct BarWatch : QObject {
    int shown = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shown;
        return false;
    }
};

}  // namespace

static void BM_AutomaticBets100000InModel(benchmark::State& state) {
    numeralia::SharedState shared;
    shared.soundOn = 1;  // cue 2 at every 500th bet, played by a silent player
    numeralia::bench::QuietSounds sounds;
    numeralia::bench::YesDialogs dialogs;
    dialogs.typed = "100000";
    numeralia::bench::NoFiles files;
    numeralia::SeededRandomSource random(1);
    numeralia::lotto::LottoModel model(shared, sounds, dialogs, files);
    model.setRandomSource(random);
    for (auto _ : state) {
        model.clearStoredBets();
        model.automaticMode();
        // 100.000 = 199 × 501 + 301: the list holds the last 301 bets.
        if (model.storedBets().size() != 301) state.SkipWithError("301 stored bets expected");
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_AutomaticBets100000InModel)->Unit(benchmark::kMillisecond);

static void BM_AutomaticBets499InWindow(benchmark::State& state) {
    application();
    numeralia::SharedState shared;
    numeralia::bench::QuietSounds sounds;
    numeralia::bench::YesDialogs dialogs;
    dialogs.typed = "499";
    numeralia::bench::NoFiles files;
    numeralia::app::WindowRegistry windows;
    numeralia::app::AppContext context{shared, sounds, dialogs, windows, files};
    numeralia::app::LotteryWindow window(context);
    window.show();
    QApplication::processEvents();
    QAction* automatic = nullptr;
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("Modo Automático")) automatic = action;
    }
    BarWatch watch;
    window.findChild<QProgressBar*>(QStringLiteral("progreso"))->installEventFilter(&watch);
    for (auto _ : state) {
        window.model().clearStoredBets();
        watch.shown = 0;
        automatic->trigger();
        window.repaint();
        QApplication::processEvents();
        if (window.model().storedBets().size() != 499) state.SkipWithError("499 bets expected");
        if (watch.shown == 0) state.SkipWithError("the progress bar was not shown");
    }
}
BENCHMARK(BM_AutomaticBets499InWindow)->Unit(benchmark::kMillisecond);
