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

    // Opens every registered window in turn, hands it to visit, and closes it again.
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
            p.closeWindows();
        }
        qInfo("windows covered: %s", qPrintable(covered.join(QStringLiteral(", "))));
    }
};

}  // namespace numeralia::testing
