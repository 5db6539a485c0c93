// Shows the calculator's Help window on its own, for looking at it (screenshots). Arguments
// are clicked in order: a key id (historyToggle), a display name (numero), menu:ENTRY
// (menu:Gráfico-EST.) or search:WORDS, which types the words into the search field and
// chooses the first element found (it flashes). They are clicked a second after the window
// shows.
//   calc_help_window_app setDecimals
//   calc_help_window_app "search:raiz cubica"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "app/calc/calc_help_window.h"
#include "app/shell/window_registry.h"
#include "core/calc/calc_help.h"

#include "bench_application.h"

int main(int argc, char** argv) {
    using namespace numeralia;
    QApplication app(argc, argv);
    bench::WindowProgram program;
    app::CalcHelpWindow window(program.context);
    window.move(0, 0);
    window.show();
    const QStringList args = app.arguments().mid(1);
    QTimer::singleShot(1000, &window, [&window, args] {
        for (const QString& a : args) {
            const std::string arg = a.toStdString();
            if (arg.starts_with("search:")) {
                window.searchField()->setText(QString::fromStdString(arg.substr(7)));
                emit window.searchField()->returnPressed();
                continue;
            }
            const calc::HelpElement* element = nullptr;
            if (arg.starts_with("menu:")) {
                element = calc::findHelpElement(calc::HelpKind::MenuEntry, arg.substr(5));
            } else {
                element = calc::findHelpElement(calc::HelpKind::Key, arg);
                if (!element) element = calc::findHelpElement(calc::HelpKind::Display, arg);
            }
            if (element) window.explain(*element);
        }
    });
    return app.exec();
}
