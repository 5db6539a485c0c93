#include <QApplication>

#include "app/shell/app_context.h"
#include "app/shell/font_warmup.h"
#include "app/shell/program_menu_widgets.h"
#include "app/shell/qt_dialogs.h"
#include "app/shell/qt_file_dialogs.h"
#include "app/shell/qt_sound_player.h"
#include "app/shell/startup_probe.h"
#include "app/shell/termination_requests.h"
#include "app/shell/window_catalog.h"
#include "core/shell/shared_state.h"

int main(int argc, char** argv) {
    using namespace numeralia;
    app::catchTerminationRequests();
    app::startFontWarmUp();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Numeralia");  // also names the user's configuration folder
    QApplication::setApplicationVersion("2.5");
    QApplication::setDesktopFileName(QStringLiteral(NUMERALIA_APP_ID));
    QApplication::setWindowIcon(app::programIcon());

    SharedState state;
    app::QtSoundPlayer sounds(state);
    app::QtDialogs dialogs;
    app::QtFileDialogs files;
    app::WindowRegistry windows;
    app::AppContext context{state, sounds, dialogs, windows, files};
    app::registerWindows(context);

    // The Program menu is the first window; the program ends when it closes, whatever
    // other window is still open.
    QWidget* menu = windows.show(app::WindowId::ProgramMenu);
    if (!menu) return 1;
    QObject::connect(menu, &QObject::destroyed, &app, &QCoreApplication::quit);
    app::closeOnTerminationRequest(menu);
    app::installStartupProbe(menu);
    return app.exec();
}
