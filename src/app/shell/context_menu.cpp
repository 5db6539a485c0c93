#include "app/shell/context_menu.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

namespace numeralia::app {

namespace {

// Holds a widget's entries and opens its menu.
class ContextEntries : public QObject {
  public:
    ContextEntries(QWidget* widget, std::vector<MenuEntry> entries)
        : QObject(widget), widget_(widget), entries_(std::move(entries)) {
        setObjectName(QStringLiteral("contextEntries"));
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this](const QPoint& at) { popUp(at); });
    }

    // The menu is not modal: it closes itself and is deleted once closed.
    void popUp(const QPoint& at) {
        auto* menu = new QMenu(widget_);
        menu->setObjectName(QStringLiteral("contextMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (const MenuEntry& entry : entries_) {
            QAction* action = menu->addAction(entry.text);
            action->setEnabled(!entry.enabled || entry.enabled());
            connect(action, &QAction::triggered, widget_, entry.action);
        }
        // A scroll area reports a right click in the coordinates of its viewport.
        const auto* area = qobject_cast<QAbstractScrollArea*>(widget_);
        menu->popup((area ? area->viewport() : widget_)->mapToGlobal(at));
    }

  private:
    QWidget* widget_;
    std::vector<MenuEntry> entries_;
};

ContextEntries* entriesOf(QWidget* widget) {
    return widget->findChild<ContextEntries*>(QStringLiteral("contextEntries"),
                                              Qt::FindDirectChildrenOnly);
}

}  // namespace

void setContextEntries(QWidget* widget, std::vector<MenuEntry> entries) {
    delete entriesOf(widget);
    new ContextEntries(widget, std::move(entries));
}

bool popUpContextEntries(QWidget* widget) {
    ContextEntries* entries = entriesOf(widget);
    if (!entries || !widget->isVisible()) return false;
    entries->popUp(widget->rect().center());
    return true;
}

void copyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

QString clipboardText() { return QGuiApplication::clipboard()->text(QClipboard::Clipboard); }

}  // namespace numeralia::app
