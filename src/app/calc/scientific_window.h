#pragma once
// The Scientific model of the calculator: "Numeralia v2.5   (Científica)". The window shows
// the model's state and runs the model's action for every click and mapped key; it computes
// nothing itself. What it shares with the Normal model lives in CalculatorWindow; its own
// are the function keys, and in a right-hand column the statistics (with their chart, files
// and printout) over the equation solvers (their keys, the blue display, their dialogs).

#include <QVBoxLayout>
#include <memory>

#include "app/calc/calculator_window.h"

namespace numeralia::app {

class QtSolverDialogs;
class SolverPanel;
class StatisticsChartWindow;
class StatisticsPanel;

class ScientificWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit ScientificWindow(AppContext& context);
    ~ScientificWindow() override;

    StatisticsPanel& statistics() const { return *statistics_; }
    // The chart of "Gráfico-EST." once it has been opened, else nullptr.
    StatisticsChartWindow* chart() const { return chart_; }
    SolverPanel& solvers() const { return *solvers_; }

  protected:
    void refresh() override;

  private:
    // The place of the equation solvers in the window: their keys and the blue display go
    // into the right-hand column under the statistics panel. The column is as wide as the
    // statistics panel (ten grid columns, five keys a row, about 330 pixels at 100 %); at
    // 100 % the room left under the statistics is about 280 pixels high: four rows of keys
    // and a blue display of about 110 pixels, within a window that still fits a 1024 × 768
    // screen. The keys get the statistics keys' smaller captions and panel look (property
    // compactKeys); the blue display shares the height the keys leave with the grey data
    // displays (its minimum height holds, its lists' default size does not). Called once,
    // with widgets the window then owns; either may be null.
    void placeSolverPanel(QWidget* keys, QWidget* blueDisplay);
    QWidget* buildDisplayPanel();
    QWidget* buildBody();
    // The right-hand column: the statistics panel, and the solvers' place under it.
    QLayout* buildSideColumn();
    // Keys a little smaller than the keypad's default, so that the window fits the screen.
    void compactKeys();
    // "Abrir Est.", "Guardar Est.", "Gráfico-EST.", "Imprimir", "Estadística".
    void openStatistics();
    void saveStatistics();
    void showChart();
    void printStatistics();

    StatisticsPanel* statistics_ = nullptr;
    QVBoxLayout* sideColumn_ = nullptr;
    StatisticsChartWindow* chart_ = nullptr;
    unsigned shownStatistics_ = ~0u;  // the revision of the lists last shown
    SolverPanel* solvers_ = nullptr;
    std::unique_ptr<QtSolverDialogs> solverDialogs_;
};

}  // namespace numeralia::app
