#pragma once
// The Help window's replica of the Scientific window: a ScientificWindow itself, built by the
// same layout code, so that every key, panel and display sits where it sits in the
// calculator. It runs on a private shared state holding the factory preferences, so it reads
// and writes none of the program's state, and it is made inert: its keys, displays and menu
// entries only report which element was clicked. Every key can be clicked, also those the
// number mode disables in the calculator; the history list and the blue display, hidden in a
// calculator just opened, are shown.

#include <QObject>
#include <memory>

#include "app/shell/app_context.h"
#include "core/calc/calc_help.h"

class QAction;
class QMenu;

namespace numeralia::app {

class ScientificWindow;

class CalcHelpReplica : public QObject {
    Q_OBJECT
  public:
    // context gives the dialogs, files and window registry the replica's window is built with
    // (it never uses them); parent receives the window as a child widget.
    CalcHelpReplica(AppContext& context, QWidget* parent);
    ~CalcHelpReplica() override;

    ScientificWindow& window() const { return *window_; }

    // Where an element is shown: a key's button, a display, the menu bar for a menu entry.
    QWidget* widgetOf(const calc::HelpElement& element) const;

  signals:
    void clicked(const calc::HelpElement& element);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeKeysInert();
    void makeDisplaysInert();
    void makeMenuInert(QMenu* menu);
    void makeEntryInert(QAction* entry);
    // The display a click on this widget falls on: the widget or the nearest enclosing one
    // that has a help text.
    const calc::HelpElement* displayAt(QWidget* widget) const;

    struct Platform;
    std::unique_ptr<Platform> platform_;
    ScientificWindow* window_ = nullptr;
};

}  // namespace numeralia::app
