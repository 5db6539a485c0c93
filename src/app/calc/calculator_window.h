#pragma once
// What the two calculator windows share: the model, the keypad built from a layout table,
// the displays, the status bar, the keyboard, what is renewed on activation, the "Modo"
// switch and the menu entries every calculator has. The window of a model adds only its
// layout (its row of small displays, its body of key panels) and its menus; a window with
// panels of its own overrides refresh() to show them.

#include <QMainWindow>
#include <initializer_list>
#include <span>

#include "app/calc/calc_menus.h"
#include "app/calc/keypad_layout.h"
#include "app/shell/app_context.h"
#include "core/calc/calculator_model.h"

class QFrame;
class QHBoxLayout;
class QLineEdit;

namespace numeralia::app {

class CalcDisplays;
class CalcKeypad;
class CalcStatusBar;

class CalculatorWindow : public QMainWindow {
    Q_OBJECT
  public:
    ~CalculatorWindow() override;

    const calc::CalculatorModel& model() const { return model_; }
    CalcKeypad& keypad() const { return *keypad_; }
    CalcDisplays& displays() const { return *displays_; }
    CalcStatusBar& status() const { return *status_; }

    // Runs a key as a click (typed: as a keyboard key) and shows the result.
    void runKey(calc::KeyId id, bool typed = false);
    // Puts the number on the clipboard into the main display (Shift+Insert, "Pegar").
    void pasteNumber();

    // An entry of the "Modo" menu: records the chosen model; a different model closes this
    // window (its displays and key history are gone) and opens the other one fresh, at the
    // same place on the screen.
    void chooseModel(calc::CalculatorKind chosen);

  protected:
    CalculatorWindow(AppContext& context, calc::CalculatorKind kind,
                     std::span<const KeySlot> layout);

    // The display panel: the logo (it opens the About window), the main display and the
    // error face, the info line, the model's row of small displays, the key history row
    // (with the given keys of the Displays section at its end).
    QFrame* buildDisplayPanel(QHBoxLayout* smallDisplays,
                              std::initializer_list<calc::KeyId> historyRowKeys = {});
    // "Función" and the function label, wide enough for the longest label.
    void addFunctionLabel(QHBoxLayout* row);
    // A small display with its caption (none when empty) and a fixed width.
    void addSmallDisplay(QHBoxLayout* row, const QString& caption, QLineEdit* box, int width);
    // Keys of the Displays section, at their natural height.
    void addDisplayKeys(QHBoxLayout* row, std::initializer_list<calc::KeyId> ids);
    // The memory displays in column 0 of the Memories panel, one per memory row.
    void placeMemoryDisplays();
    // The entries every calculator menu has: printing the key history and "Modo".
    CalcMenuActions menuActions();
    // Ends the construction: the display panel over the body (and, when given, a column
    // beside both), the status bar, the keyboard, the first refresh and the focus on "=".
    void finish(QWidget* displayPanel, QWidget* body, QLayout* sideColumn = nullptr);

    // Shows the model's state after every key.
    virtual void refresh();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

    AppContext& context_;
    calc::CalculatorModel model_;

  private:
    // What the window shows from the shared state each time it becomes active.
    void refreshOnActivation();
    // "R1" to "R3" show their pictures instead of a caption.
    void showTransitPictures();
    // "Copiar" on the displays, the memories and the key history, "Pegar" on the main
    // display (Ctrl+Insert and Shift+Insert: eventFilter).
    void offerClipboard();
    QStringList historyTexts() const;
    void printKeyHistory();

    QWidget* body_ = nullptr;
    CalcDisplays* displays_ = nullptr;
    CalcKeypad* keypad_ = nullptr;
    CalcStatusBar* status_ = nullptr;
};

}  // namespace numeralia::app
