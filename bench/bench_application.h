#pragma once
// What a benchmark program that shows windows needs: its one QApplication, made on first
// use, and the context windows are created with, on the quiet platform.

#include <QApplication>

#include "app/shell/app_context.h"
#include "quiet_platform.h"

namespace numeralia::bench {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "numeralia_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

struct WindowProgram {
    SharedState shared;
    QuietSounds sounds;
    YesDialogs dialogs;
    NoFiles files;
    app::WindowRegistry windows;
    app::AppContext context{shared, sounds, dialogs, windows, files};
};

}  // namespace numeralia::bench
