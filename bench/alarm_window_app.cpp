// Shows the Alarm window on its own, for looking at it (screenshots): its clock starts at
// 07:29:58 and runs, with the alarm set to 07:30, so it rings two seconds after it shows.
//   alarm_window_app            the window as it opens, alarm set
//   alarm_window_app minimized  minimized at once (the caption shows the time)
//   alarm_window_app dialog     no alarm set; "Set" opens the time dialog

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "app/desk/alarm_window.h"
#include "app/shell/window_registry.h"
#include "core/desk/manual_clock.h"
#include "core/desk/time_text.h"

#include "bench_application.h"

namespace {

struct SetsHalfPastSeven : numeralia::desk::AlarmTimeEditor {
    numeralia::desk::AlarmTimeAnswer askAlarmTime(numeralia::desk::WallTime, bool) override {
        return {numeralia::desk::AlarmTimeAnswer::Choice::Set, {7, 30}};
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace numeralia;
    QApplication app(argc, argv);
    const char* mode = argc > 1 ? argv[1] : "";
    bench::WindowProgram program;

    desk::ManualClock clock(0, desk::Zone::centralEuropean());
    clock.setLocal(*desk::parseDateTime("2024-06-15 07:29:58"));
    clock.run();
    SetsHalfPastSeven editor;
    const bool dialog = std::strcmp(mode, "dialog") == 0;
    app::AlarmWindow window(program.context, &clock, dialog ? nullptr : &editor);
    window.move(240, 200);  // room around it for the ringing message
    window.show();
    if (dialog) {
        QTimer::singleShot(300, &window, [&window] {
            window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
    } else {
        window.model().pressSet();
        window.refresh();
    }
    if (std::strcmp(mode, "minimized") == 0) window.showMinimized();
    return app.exec();
}
