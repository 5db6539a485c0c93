#pragma once
// The statistics panel of the Scientific window: the two grey data displays (X and Y), the
// count display and the statistics keys, in the right-hand column. It shows the window
// model's statistics; clicks on its keys go through the keypad like every other key.

#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <span>

#include "app/calc/keypad_layout.h"
#include "core/calc/statistics_state.h"

namespace numeralia::app {

class CalcKeypad;

// The keys of the statistics panel: a grid of 10 columns under the data displays (rows 0
// and 1 hold the displays' captions and the displays; most keys span two columns).
std::span<const KeySlot> statisticsPanelLayout();

class StatisticsPanel : public QObject {
    Q_OBJECT
  public:
    // Puts the data displays and the count display into the keypad's statistics panel.
    StatisticsPanel(const CalcKeypad& keypad, QWidget* parent);

    QFrame* frame() const { return frame_; }
    void refresh(const calc::StatisticsDisplays& shown);

    QListWidget* dataX = nullptr;  // grey X data display
    QListWidget* dataY = nullptr;  // grey Y data display
    QLineEdit* num = nullptr;      // count display

  private:
    QFrame* frame_ = nullptr;
};

}  // namespace numeralia::app
