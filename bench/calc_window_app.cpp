// Shows the Scientific calculator window on its own, for looking at it (screenshots).
// Arguments are key ids pressed before the window shows: calc_window_app digit1 plus digit2

#include <QApplication>

#include "app/calc/scientific_window.h"
#include "app/shell/window_registry.h"
#include "core/calc/key_catalog.h"

#include "quiet_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    numeralia::SharedState state;
    state.currencyName1 = "euro";
    state.currencyName2 = "pts";
    state.exchangeFactor = numeralia::Variant::fromNumber(166.386);
    state.soundOn = 1;
    state.memory1 = 1234.5;
    state.transitLabel1 = "Factor de conversión de Kilómetros a Metros";
    numeralia::bench::QuietSounds sounds;
    numeralia::bench::YesDialogs dialogs;
    numeralia::bench::NoFiles files;
    numeralia::app::WindowRegistry windows;
    numeralia::app::AppContext context{state, sounds, dialogs, windows, files};
    numeralia::app::ScientificWindow window(context);
    for (int i = 1; i < argc; ++i) {
        if (const auto id = numeralia::calc::keyByName(argv[i])) window.runKey(*id);
    }
    window.show();
    window.activateWindow();
    return app.exec();
}
