// Shows the Lottery simulator window in a given state and saves a picture of it:
//   lottery_window_app random|multiple|manual|list|full|running|help out.png [--print folder]
// "full" stores 500 simple bets. "running" saves the picture in the middle of an automatic run of 200.000 bets. With
// --print, the stored bets are also printed to a PDF in folder. Used to look at the window
// (and its printed page) the way a user sees them.

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <cstdio>

#include "app/lotto/lottery_help_window.h"
#include "app/lotto/lottery_window.h"
#include "app/shell/printing.h"
#include "core/shell/random_source.h"

#include "bench_application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "usage: lottery_window_app random|multiple|manual|list|full|running|help out.png "
                     "[--print folder]\n");
        return 2;
    }
    const QString mode = args[1];
    const QString out = args[2];
    if (mode == QStringLiteral("help")) {
        auto* help = new numeralia::app::LotteryHelpWindow;
        help->show();
        QTimer::singleShot(800, [&] {
            help->grab().save(out);
            help->close();
            app.quit();
        });
        return app.exec();
    }
    numeralia::bench::WindowProgram program;
    program.shared.soundOn = 1;
    auto* window = new numeralia::app::LotteryWindow(program.context);
    numeralia::SeededRandomSource random(2024);
    auto& model = window->model();
    model.setRandomSource(random);
    if (mode == QStringLiteral("random")) {
        model.sizeKey(6);
    } else if (mode == QStringLiteral("multiple")) {
        model.sizeKey(11);
    } else if (mode == QStringLiteral("manual")) {
        model.manualMode();
        for (int number : {4, 9, 17, 23, 31, 38, 46}) model.clickCell(number - 1);
    } else if (mode == QStringLiteral("full")) {
        program.dialogs.typed = "500";
        model.automaticMode();
        model.showStoredBets();
    } else if (mode == QStringLiteral("list")) {
        program.dialogs.typed = "57";
        model.automaticMode();
        model.sizeKey(11);
        model.store();
        model.sizeKey(8);
        model.store();
        model.showStoredBets();
    }
    window->refresh();
    window->show();
    window->activateWindow();
    const QString printFolder =
        args.size() >= 5 && args[3] == QStringLiteral("--print") ? args[4] : QString();
    if (mode == QStringLiteral("running")) {
        program.dialogs.typed = "200000";
        QTimer::singleShot(300, [&] {
            // Fires inside the run, while the window repaints itself.
            QTimer::singleShot(400, [&] {
                window->grab().save(out);
                window->model().cancelAutomatic();
            });
            for (QAction* action : window->findChildren<QAction*>()) {
                if (action->text() == QStringLiteral("Modo Automático")) action->trigger();
            }
            std::printf("run stopped with %zu bets stored\n", window->model().storedBets().size());
            window->close();
            app.quit();
        });
        return app.exec();
    }
    QTimer::singleShot(800, [&] {
        // The list scrolled to its end, where the multiple bets are.
        window->findChild<QListWidget*>(QStringLiteral("apuestas"))->scrollToBottom();
        window->grab().save(out);
        if (!printFolder.isEmpty()) {
            numeralia::app::setPdfFolderForTests(printFolder);
            window->printBets();
        }
        window->close();
        app.quit();
    });
    return app.exec();
}
