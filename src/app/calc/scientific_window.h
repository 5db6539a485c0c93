#pragma once
// The Scientific model of the calculator: "Numeralia v2.5   (Científica)". The window shows
// the model's state and runs the model's action for every click and mapped key; it computes
// nothing itself.

#include <QMainWindow>

#include "app/shell/app_context.h"
#include "core/calc/calculator_model.h"

namespace numeralia::app {

class CalcDisplays;
class CalcKeypad;
class CalcStatusBar;
class SvgPicture;

class ScientificWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ScientificWindow(AppContext& context);
    ~ScientificWindow() override;

    const calc::CalculatorModel& model() const { return model_; }
    CalcKeypad& keypad() const { return *keypad_; }
    CalcDisplays& displays() const { return *displays_; }
    CalcStatusBar& status() const { return *status_; }

    // Runs a key as a click (typed: as a keyboard key) and shows the result.
    void runKey(calc::KeyId id, bool typed = false);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* buildDisplayPanel();
    QWidget* buildBody();
    void refresh();
    // What the window shows from the shared state each time it becomes active.
    void refreshOnActivation();
    void switchToNormal();
    // "R1" to "R3" show their pictures instead of a caption.
    void showTransitPictures();

    AppContext& context_;
    calc::CalculatorModel model_;
    CalcDisplays* displays_ = nullptr;
    CalcKeypad* keypad_ = nullptr;
    CalcStatusBar* status_ = nullptr;
    SvgPicture* image1_ = nullptr;
};

}  // namespace numeralia::app
