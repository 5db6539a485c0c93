#pragma once
// One instance of each window: created the first time it is shown, reused while it is open,
// destroyed when it closes (the next show opens it fresh).

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "app/shell/window_id.h"

namespace numeralia::app {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    // Makes a window available; until then its buttons and menu entries stay disabled.
    void registerWindow(WindowId id, Factory factory);
    bool isRegistered(WindowId id) const;

    // Creates the window on first show, shows it and brings it to the front. With
    // normalState, a minimised or maximised window is put back in the normal state.
    // Returns nullptr for a window that is not registered.
    QWidget* show(WindowId id, bool normalState = false);

    // The window, created if it is not open, without showing it (to place it first). A new
    // window is prepared for screen readers and fitted to its captions (window_rules.h).
    // Returns nullptr for a window that is not registered.
    QWidget* create(WindowId id);

    // The open window, or nullptr.
    QWidget* existing(WindowId id) const;

    // Closes one window if it is open.
    void close(WindowId id);

    // Closes every open window in shut-down order, except the one given (the caller, which
    // is already closing).
    void closeAll(const QWidget* except = nullptr);
    // True while closeAll runs: a window closing then asks the user nothing.
    bool closingAll() const { return closingAll_; }

private:
    std::array<Factory, kWindowCount> factories_{};
    std::array<QPointer<QWidget>, kWindowCount> windows_{};
    bool closingAll_ = false;
};

}  // namespace numeralia::app
