#include "app/calc/calc_help_replica.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/scientific_window.h"
#include "core/calc/key_catalog.h"
#include "core/calc/preferences_model.h"

namespace numeralia::app {

using calc::HelpElement;
using calc::HelpKind;

namespace {

struct SilentSounds : SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

bool isMouseClick(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::ContextMenu;
}

// Widgets that keep their own clicks: the keys and the menus.
bool keepsClicks(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QMenuBar*>(w) ||
            qobject_cast<const QMenu*>(w))
            return true;
    }
    return false;
}

}  // namespace

// The replica's own shared state (the factory preferences, nothing of the program's) and a
// player that plays nothing.
struct CalcHelpReplica::Platform {
    explicit Platform(AppContext& shown)
        : context{state, sounds, shown.dialogs, shown.windows, shown.files} {
        PreferencesModel(state).restoreOriginals();
    }
    SharedState state;
    SilentSounds sounds;
    AppContext context;
};

CalcHelpReplica::CalcHelpReplica(AppContext& context, QWidget* parent)
    : QObject(parent), platform_(std::make_unique<Platform>(context)) {
    window_ = new ScientificWindow(platform_->context);
    window_->setParent(parent, Qt::Widget);
    // It takes no keyboard: keys typed in the Help window are the Help window's.
    qApp->removeEventFilter(window_);
    makeKeysInert();
    makeDisplaysInert();
    makeMenuInert(nullptr);
}

CalcHelpReplica::~CalcHelpReplica() = default;

void CalcHelpReplica::makeKeysInert() {
    CalcKeypad& keypad = window_->keypad();
    // The keypad reports its clicks to the Help window instead of the calculator.
    disconnect(&keypad, &CalcKeypad::keyClicked, window_, nullptr);
    connect(&keypad, &CalcKeypad::keyClicked, this, [this](calc::KeyId id) {
        if (const HelpElement* e =
                calc::findHelpElement(HelpKind::Key, calc::keyInfo(id).name))
            emit clicked(*e);
    });
    for (const calc::KeyInfo& key : calc::allKeys()) {
        QPushButton* button = keypad.button(key.id);
        if (!button) continue;
        button->setEnabled(true);
        // A lit key (the angle mode, "Decimal") stays as the calculator shows it.
        if (button->isCheckable()) {
            connect(button, &QAbstractButton::clicked, button,
                    [button, lit = button->isChecked()] { button->setChecked(lit); });
        }
    }
}

void CalcHelpReplica::makeDisplaysInert() {
    window_->displays().history->setVisible(true);
    if (QWidget* blue = window_->findChild<QWidget*>(QStringLiteral("blueDisplay"))) blue->show();
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        if (!keepsClicks(widget)) widget->installEventFilter(this);
    }
}

void CalcHelpReplica::makeMenuInert(QMenu* menu) {
    const QList<QAction*> entries = menu ? menu->actions() : window_->menuBar()->actions();
    for (QAction* entry : entries) {
        if (entry->isSeparator()) continue;
        if (entry->menu()) {
            makeMenuInert(entry->menu());
        } else {
            makeEntryInert(entry);
        }
    }
}

void CalcHelpReplica::makeEntryInert(QAction* entry) {
    disconnect(entry, &QAction::triggered, nullptr, nullptr);
    entry->setEnabled(true);
    // Its shortcut still shows in the menu, but acts only there: in the Help window CTRL + C
    // copies text instead of opening the converter.
    entry->setShortcutContext(Qt::WidgetShortcut);
    const bool lit = entry->isChecked();
    connect(entry, &QAction::triggered, this, [this, entry, lit] {
        if (entry->isCheckable()) entry->setChecked(lit);
        if (const HelpElement* e = calc::findHelpElement(HelpKind::MenuEntry,
                                                         entry->text().toStdString()))
            emit clicked(*e);
    });
}

const HelpElement* CalcHelpReplica::displayAt(QWidget* widget) const {
    for (QWidget* w = widget; w && w != window_; w = w->parentWidget()) {
        const std::string name = w->objectName().toStdString();
        if (name.empty()) continue;
        if (const HelpElement* e = calc::findHelpElement(HelpKind::Display, name)) return e;
    }
    return nullptr;
}

bool CalcHelpReplica::eventFilter(QObject* watched, QEvent* event) {
    if (!isMouseClick(event->type()) || !watched->isWidgetType()) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        if (const HelpElement* e = displayAt(static_cast<QWidget*>(watched))) emit clicked(*e);
    }
    return true;  // no display, list or picture of the replica reacts to the mouse
}

QWidget* CalcHelpReplica::widgetOf(const HelpElement& element) const {
    switch (element.kind) {
        case HelpKind::Key:
            if (const auto id = calc::keyByName(element.name)) return window_->keypad().button(*id);
            return nullptr;
        case HelpKind::Display:
            return window_->findChild<QWidget*>(QString::fromStdString(element.name));
        case HelpKind::MenuEntry:
            return window_->menuBar();
    }
    return nullptr;
}

}  // namespace numeralia::app
