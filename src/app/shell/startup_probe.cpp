#include "app/shell/startup_probe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace numeralia::app {

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once the frame being painted now has been put on the screen.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                std::fflush(stdout);
                std::_Exit(0);  // the measurement ends here: no tear-down, no later work
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void installStartupProbe(QWidget* window) {
    if (!window || qEnvironmentVariableIsEmpty("NUMERALIA_STARTUP_PROBE")) return;
    window->installEventFilter(new FirstPaint(window));
}

}  // namespace numeralia::app
