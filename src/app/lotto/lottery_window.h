#pragma once
// The Lottery simulator window ("Simulador Loto"): the grid of 49 numbers, the size keys,
// the store key, the probabilities, the list of stored bets and the progress of an automatic
// run.

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <string>
#include <vector>

#include "app/shell/app_context.h"
#include "core/lotto/lotto_model.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace numeralia::app {

class LotteryGrid;
class SvgPicture;

class LotteryWindow : public QMainWindow, private lotto::AutomaticPacer {
    Q_OBJECT
  public:
    explicit LotteryWindow(AppContext& context, QWidget* parent = nullptr);

    lotto::LottoModel& model() { return model_; }
    LotteryGrid* grid() const { return grid_; }
    // Shows the model's state in every widget.
    void refresh();
    // "Imprimir Apuestas Seleccionadas".
    void printBets();
    // How often an automatic run repaints the window, in milliseconds.
    static constexpr int kRepaintInterval = 40;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildKeys();
    QWidget* buildProbabilities();
    QWidget* buildProgress();
    void act(void (lotto::LottoModel::*action)());
    void runAutomatic();
    bool proceed(const lotto::LottoModel& model) override;

    AppContext& context_;
    lotto::LottoModel model_;
    QElapsedTimer sinceRepaint_;
    bool closeAfterRun_ = false;

    LotteryGrid* grid_ = nullptr;
    QListWidget* list_ = nullptr;
    QStackedWidget* gridOrList_ = nullptr;
    std::array<QPushButton*, 6> sizeKeys_{};
    QPushButton* store_ = nullptr;
    std::array<QLineEdit*, 4> probabilities_{};
    QLabel* information_ = nullptr;
    QLabel* counter_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    SvgPicture* speaker_ = nullptr;
    QAction* randomAction_ = nullptr;
    QAction* manualAction_ = nullptr;
    std::vector<std::string> listed_;  // what the list widget holds
};

}  // namespace numeralia::app
