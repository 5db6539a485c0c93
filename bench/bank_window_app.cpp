// Shows the Bank operations window after a sample calculation and saves a picture of it:
//   bank_window_app loan|deposit|savings|help out.png [--print folder]
// Used to look at the window (and its printed page) the way a user sees them.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/bank/bank_help_window.h"
#include "app/bank/bank_window.h"
#include "app/shell/printing.h"

#include "bench_application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "usage: bank_window_app loan|deposit|savings|help out.png [--print folder]\n");
        return 2;
    }
    if (args[1] == QStringLiteral("help")) {
        auto* help = new numeralia::app::BankHelpWindow;
        help->show();
        QTimer::singleShot(800, [&] {
            help->grab().save(args[2]);
            help->close();
            app.quit();
        });
        return app.exec();
    }
    numeralia::bench::WindowProgram program;
    program.shared.soundOn = 1;
    program.shared.currencyName1 = "euro";
    program.dialogs.print = true;
    auto* window = new numeralia::app::BankWindow(program.context);
    auto& model = window->model();
    auto type = [&](const char* keys) {
        for (const char* k = keys; *k != 0; ++k) {
            if (*k >= '1' && *k <= '5' && k > keys && k[-1] == 'F') continue;
            if (*k == 'F')
                model.pressFunctionKey(k[1] - '0');
            else
                model.typeCharacter(*k);
        }
    };
    if (args[1] == QStringLiteral("deposit")) {
        model.depositMode();
        type("25000F13.5F22F3");
    } else if (args[1] == QStringLiteral("savings")) {
        model.savingsMode();
        type("1000F1150F43F54F215F3");
    } else {
        type("5000000F15F210F3");
    }
    model.calculate();
    window->refresh();
    window->show();
    const QString out = args[2];
    const QString printFolder =
        args.size() >= 5 && args[3] == QStringLiteral("--print") ? args[4] : QString();
    QTimer::singleShot(800, [&] {
        window->grab().save(out);
        if (!printFolder.isEmpty()) {
            numeralia::app::setPdfFolderForTests(printFolder);
            window->printResults(true);
        }
        window->close();
        app.quit();
    });
    return app.exec();
}
