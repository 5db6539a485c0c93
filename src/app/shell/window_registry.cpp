#include "app/shell/window_registry.h"

#include "app/shell/window_rules.h"

namespace numeralia::app {

namespace {
int slot(WindowId id) { return static_cast<int>(id); }
}  // namespace

void WindowRegistry::registerWindow(WindowId id, Factory factory) {
    factories_[slot(id)] = std::move(factory);
}

bool WindowRegistry::isRegistered(WindowId id) const {
    return static_cast<bool>(factories_[slot(id)]);
}

QWidget* WindowRegistry::create(WindowId id) {
    QPointer<QWidget>& window = windows_[slot(id)];
    if (!window && isRegistered(id)) {
        window = factories_[slot(id)]();
        if (window) {
            window->setAttribute(Qt::WA_DeleteOnClose, true);
            prepareWindow(window);
        }
    }
    return window;
}

QWidget* WindowRegistry::show(WindowId id, bool normalState) {
    QWidget* window = create(id);
    if (!window) return nullptr;
    if (normalState) {
        window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        window->showNormal();
    } else {
        window->show();
    }
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::existing(WindowId id) const { return windows_[slot(id)]; }

void WindowRegistry::close(WindowId id) {
    if (QWidget* window = windows_[slot(id)]) window->close();
}

void WindowRegistry::closeAll(const QWidget* except) {
    closingAll_ = true;
    for (int i = 0; i < kWindowCount; ++i) {
        QWidget* window = windows_[i];
        if (window && window != except) window->close();
    }
    closingAll_ = false;
}

}  // namespace numeralia::app
