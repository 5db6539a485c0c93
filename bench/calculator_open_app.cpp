// Opening a calculator window from the Program menu, as the user does it: the time from the
// click on the calculator button until the calculator's first frame has been painted. The
// program starts as the real one does (Program menu first, in a program folder of its own);
// once the menu is on the screen the calculator button is clicked, the calculator closed, and
// clicked again. Prints one line, in milliseconds: the first opening (what loads on first use
// included), the median of the openings after it, and the processor time of the first
// opening (wall time on a busy machine is noisy). bench/calculator_open.sh runs it.
//
//   calculator_open_app normal|scientific [openings]

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/calc/calculator_window.h"
#include "app/shell/font_warmup.h"
#include "app/shell/program_menu_window.h"
#include "app/shell/window_catalog.h"

#include "bench_application.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes the first paint of any calculator window.
class CalculatorPainted : public QObject {
  public:
    bool seen = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            qobject_cast<numeralia::app::CalculatorWindow*>(static_cast<QWidget*>(watched)->window()))
            seen = true;
        return false;
    }
};

// Runs the event loop until done() holds, for at most five seconds.
template <class Done>
bool runUntil(Done done) {
    const auto limit = Clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (Clock::now() > limit) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void settle(int milliseconds) {
    const auto until = Clock::now() + std::chrono::milliseconds(milliseconds);
    runUntil([&] { return Clock::now() >= until; });
}

}  // namespace

int main(int argc, char** argv) {
    using namespace numeralia;
    const bool normal = argc < 2 || std::strcmp(argv[1], "scientific") != 0;
    const int openings = argc > 2 ? std::max(2, std::atoi(argv[2])) : 11;

    app::startFontWarmUp();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    bench::WindowProgram program;
    app::registerWindows(program.context);

    // The Program menu on the screen, its read-me in place, as when the user first clicks.
    app::ProgramMenuWindow menu(program.context, folder.path());
    menu.show();
    if (!runUntil([&] { return menu.isVisible() && menu.windowHandle()->isExposed(); })) return 1;
    settle(300);

    program.shared.calculatorModel = normal ? "normalita" : "avanzada";
    const app::WindowId id = normal ? app::WindowId::Normal : app::WindowId::Scientific;
    CalculatorPainted painted;
    application.installEventFilter(&painted);
    std::vector<double> times;
    double firstCpu = 0;
    for (int i = 0; i < openings; ++i) {
        painted.seen = false;
        const std::clock_t cpuStart = std::clock();
        const auto start = Clock::now();
        menu.button(0)->click();
        if (!runUntil([&] { return painted.seen; })) return 1;
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (i == 0) firstCpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        if (program.windows.existing(id) == nullptr) return 1;  // the other model opened
        program.windows.close(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle(50);
    }
    std::vector<double> again(times.begin() + 1, times.end());
    std::sort(again.begin(), again.end());
    std::printf("%.2f %.2f %.2f\n", times.front(), again[again.size() / 2], firstCpu);
    return 0;  // the menu is never closed: no settings file is written
}
