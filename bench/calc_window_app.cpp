// Shows a calculator window on its own, for looking at it (screenshots): the Scientific model,
// or the Normal model with --normal. Other arguments are key ids pressed before the window
// shows: calc_window_app --normal digit1 plus digit2

#include <QApplication>
#include <memory>

#include "app/calc/normal_window.h"
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
    const bool normal = argc > 1 && QByteArray(argv[1]) == "--normal";
    std::unique_ptr<numeralia::app::CalculatorWindow> window;
    if (normal) {
        window = std::make_unique<numeralia::app::NormalWindow>(context);
    } else {
        window = std::make_unique<numeralia::app::ScientificWindow>(context);
    }
    for (int i = normal ? 2 : 1; i < argc; ++i) {
        if (const auto id = numeralia::calc::keyByName(argv[i])) window->runKey(*id);
    }
    window->show();
    window->activateWindow();
    return app.exec();
}
