// Shows a calculator window on its own, for looking at it (screenshots): the Scientific model,
// or the Normal model with --normal. Other arguments are key ids pressed before the window
// shows: calc_window_app --normal digit1 plus digit2; menu=NAME opens the context menu of the
// display of that name once the window is on the screen (menu=numero, menu=Combo1).

#include <QApplication>
#include <QTimer>
#include <memory>

#include "app/calc/normal_window.h"
#include "app/calc/scientific_window.h"
#include "app/shell/context_menu.h"
#include "app/shell/window_registry.h"
#include "app/shell/window_rules.h"
#include "core/calc/key_catalog.h"

#include "bench_application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    numeralia::bench::WindowProgram program;
    program.shared.currencyName1 = "euro";
    program.shared.currencyName2 = "pts";
    program.shared.exchangeFactor = numeralia::Variant::fromNumber(166.386);
    program.shared.soundOn = 1;
    program.shared.memory1 = 1234.5;
    program.shared.transitLabel1 = "Factor de conversión de Kilómetros a Metros";
    const bool normal = argc > 1 && QByteArray(argv[1]) == "--normal";
    std::unique_ptr<numeralia::app::CalculatorWindow> window;
    if (normal) {
        window = std::make_unique<numeralia::app::NormalWindow>(program.context);
    } else {
        window = std::make_unique<numeralia::app::ScientificWindow>(program.context);
    }
    numeralia::app::prepareWindow(window.get());  // as the registry does for the program
    QString menu;
    for (int i = normal ? 2 : 1; i < argc; ++i) {
        if (const auto id = numeralia::calc::keyByName(argv[i])) window->runKey(*id);
        if (QByteArray(argv[i]).startsWith("menu=")) menu = QString::fromLatin1(argv[i] + 5);
    }
    window->show();
    window->activateWindow();
    if (!menu.isEmpty()) {
        QTimer::singleShot(500, window.get(), [&window, menu] {
            if (auto* display = window->findChild<QWidget*>(menu))
                numeralia::app::popUpContextEntries(display);
        });
    }
    return app.exec();
}
