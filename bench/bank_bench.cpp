// Bank operations: a 100-year (1200-month) table computed in the window model, and the same
// table shown in the window. Run with QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include "app/bank/bank_window.h"
#include "core/bank/bank_model.h"

#include "bench_application.h"
#include "quiet_platform.h"

namespace {

void enterLoan(numeralia::bank::BankModel& model) {
    model.chooseYears();
    for (char c : std::string("250000")) model.typeCharacter(c);
    model.assignCapital();
    for (char c : std::string("4.25")) model.typeCharacter(c);
    model.assignRate();
    for (char c : std::string("100")) model.typeCharacter(c);
    model.assignTerm();
}

// A window model with quiet platform fakes.
struct ModelUnderTest {
    numeralia::SharedState shared;
    numeralia::bench::QuietSounds sounds;
    numeralia::bench::YesDialogs dialogs;
    numeralia::bank::BankModel model{shared, sounds, dialogs};
};

}  // namespace

static void BM_LoanTable1200Months(benchmark::State& state) {
    ModelUnderTest fixture;
    numeralia::bank::BankModel& model = fixture.model;
    for (auto _ : state) {
        enterLoan(model);
        model.calculate();
        if (model.rowCount() != 1200) state.SkipWithError("the table should have 1200 rows");
        benchmark::DoNotOptimize(model.rows().data());
    }
}
BENCHMARK(BM_LoanTable1200Months)->Unit(benchmark::kMillisecond);

// The same, with every text of the table written (what printing the table does).
static void BM_LoanTable1200MonthsAllTexts(benchmark::State& state) {
    ModelUnderTest fixture;
    numeralia::bank::BankModel& model = fixture.model;
    for (auto _ : state) {
        enterLoan(model);
        model.calculate();
        std::size_t length = 0;
        for (std::size_t r = 0; r < model.rowCount(); ++r) {
            for (int c = 0; c < 5; ++c) length += model.cellText(r, c).size();
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_LoanTable1200MonthsAllTexts)->Unit(benchmark::kMillisecond);

// Calculate in the window and paint the table, scrolled to its last month.
static void BM_WindowShowsTable1200Months(benchmark::State& state) {
    numeralia::bench::application();
    numeralia::bench::WindowProgram program;
    numeralia::app::BankWindow window(program.context);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        enterLoan(window.model());
        window.model().calculate();
        window.refresh();
        window.table()->scrollToBottom();
        window.table()->viewport()->repaint();
        QApplication::processEvents();
        if (window.table()->model()->rowCount() != 1200) state.SkipWithError("1200 rows expected");
    }
}
BENCHMARK(BM_WindowShowsTable1200Months)->Unit(benchmark::kMillisecond);
