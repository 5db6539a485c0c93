#pragma once
// The six-panel status bar of the calculator windows: date, time, Caps Lock, Num Lock (kept
// current by the window), the sound indicator and the currency text.

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace numeralia::app {

class SvgPicture;

class CalcStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit CalcStatusBar(QWidget* parent);

    void setSoundOn(bool on);
    void setCurrencyText(const QString& text);
    // Date, time and the lock keys, now.
    void tick();

    QLabel* date = nullptr;
    QLabel* time = nullptr;
    QLabel* capsLock = nullptr;
    QLabel* numLock = nullptr;
    SvgPicture* sound = nullptr;
    QLabel* currency = nullptr;

  private:
    QTimer timer_;
};

}  // namespace numeralia::app
