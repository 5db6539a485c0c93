#pragma once
// The whole program's windows for the tests that check every one of them: the window
// catalog registers them, and each registered window is opened in turn through the
// registry, so a window added to the catalog is covered without touching these tests.

#include <QTemporaryDir>
#include <functional>

#include "app/shell/program_menu_window.h"
#include "app/shell/window_catalog.h"
#include "window_test_support.h"

namespace numeralia::testing {

inline const char* windowName(app::WindowId id) {
    static const char* const names[app::kWindowCount] = {
        "Scientific", "Normal",       "Converter", "Lottery",     "Ionic",     "ProgramMenu",
        "ImageStore", "ConverterHelp", "LotteryHelp", "Alarm",     "Bank",      "Periodic",
        "Notes",      "Help",         "About",     "BankHelp",    "PeriodicHelp", "Preferences",
    };
    return names[static_cast<int>(id)];
}

struct AllWindows {
    Program p;
    QTemporaryDir folder;  // the Program menu's settings file
    QStringList covered;

    AllWindows() {
        app::registerWindows(p.context);
        p.windows.registerWindow(app::WindowId::ProgramMenu, [this] {
            return new app::ProgramMenuWindow(p.context, folder.path());
        });
    }

    // The windows a window opens from its menus without the registry, handed to visit
    // under the name of the window that opens them.
    static void visitSubWindows(app::WindowId id, QWidget* window,
                                const std::function<void(app::WindowId, QWidget*)>& visit) {
        static const std::pair<app::WindowId, const char*> kEntries[] = {
            {app::WindowId::Scientific, "Gráfico-EST."},
            {app::WindowId::Periodic, "Espectro de la Luz"},
            {app::WindowId::Periodic, "Series Electroquímicas"},
        };
        for (const auto& [owner, entry] : kEntries) {
            if (owner != id) continue;
            const QString text = QString::fromUtf8(entry);
            QAction* action = findAction(window, text);
            QVERIFY2(action != nullptr, qPrintable(text));
            const auto shown = [window] {
                QList<QWidget*> out;
                for (QWidget* w : window->findChildren<QWidget*>())
                    if (w->isWindow() && w->isVisible()) out << w;
                return out;
            };
            const QList<QWidget*> before = shown();
            action->trigger();
            QCoreApplication::processEvents();
            QWidget* opened = nullptr;
            for (QWidget* w : shown())
                if (!before.contains(w)) opened = w;
            QVERIFY2(opened != nullptr && opened != window && QTest::qWaitForWindowExposed(opened),
                     qPrintable(text));
            QCoreApplication::processEvents();
            visit(id, opened);
            opened->close();
        }
    }

    // Opens every registered window in turn, hands it to visit (with the windows it opens
    // from its menus), and closes it again.
    void forEach(const std::function<void(app::WindowId, QWidget*)>& visit) {
        covered.clear();
        for (int i = 0; i < app::kWindowCount; ++i) {
            const auto id = static_cast<app::WindowId>(i);
            if (!p.windows.isRegistered(id)) continue;
            QWidget* window = p.windows.show(id);
            if (!window || !QTest::qWaitForWindowExposed(window)) {
                QTest::qFail(qPrintable(QStringLiteral("%1 did not open").arg(windowName(id))),
                             __FILE__, __LINE__);
                return;
            }
            QCoreApplication::processEvents();
            covered << QString::fromLatin1(windowName(id));
            visit(id, window);
            visitSubWindows(id, window, visit);
            p.closeWindows();
        }
        qInfo("windows covered: %s", qPrintable(covered.join(QStringLiteral(", "))));
    }
};

}  // namespace numeralia::testing
