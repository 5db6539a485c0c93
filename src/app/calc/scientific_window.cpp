#include "app/calc/scientific_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "app/calc/blue_display_view.h"
#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/qt_solver_dialogs.h"
#include "app/calc/solver_panel.h"
#include "app/calc/statistics_chart_window.h"
#include "app/calc/statistics_panel.h"
#include "app/calc/statistics_printing.h"
#include "app/shell/window_rules.h"
#include "core/calc/statistics_menu.h"

namespace numeralia::app {

using calc::KeyId;

ScientificWindow::ScientificWindow(AppContext& context)
    : CalculatorWindow(context, calc::CalculatorKind::Scientific, scientificLayout()),
      solverDialogs_(std::make_unique<QtSolverDialogs>(this)) {
    model_.setSolverDialogs(*solverDialogs_);
    statistics_ = new StatisticsPanel(keypad(), this);
    solvers_ = new SolverPanel(keypad(), this);
    compactKeys();
    CalcMenuActions menu = menuActions();
    menu.openStatistics = [this] { openStatistics(); };
    menu.showChart = [this] { showChart(); };
    menu.saveStatistics = [this] { saveStatistics(); };
    menu.printStatistics = [this] { printStatistics(); };
    buildScientificMenus(menuBar(), context_, menu);
    finish(buildDisplayPanel(), buildBody(), buildSideColumn());
    placeSolverPanel(solvers_->keys(), solvers_->blueDisplay());
}

ScientificWindow::~ScientificWindow() = default;

QWidget* ScientificWindow::buildDisplayPanel() {
    // Small displays: Función, decimals with SET, angle, VAT; "musica" ends the history row.
    auto* labels = new QHBoxLayout;
    addFunctionLabel(labels);
    addSmallDisplay(labels, QStringLiteral("Dec."), displays().dcm, 40);
    addDisplayKeys(labels, {KeyId::setDecimals});
    addSmallDisplay(labels, QString(), displays().angulo, 46);
    addSmallDisplay(labels, QStringLiteral("IVA"), displays().ivas, 62);
    return CalculatorWindow::buildDisplayPanel(labels, {KeyId::music});
}

QWidget* ScientificWindow::buildBody() {
    auto* body = new QWidget;
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    // The scientific keys fill a grid of 6 columns here.
    row->addWidget(keypad().panel(KeySection::Functions), 6);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    placeMemoryDisplays();
    for (QLineEdit* box : displays().memories) {
        // Narrower than in the Normal model, and no wider than the keys leave room for.
        if (!box) continue;
        box->setMinimumWidth(104);
        box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    right->addWidget(keypad().panel(KeySection::Memories));
    right->addWidget(keypad().panel(KeySection::Main), 1);
    right->addWidget(keypad().panel(KeySection::Vat));
    row->addLayout(right, 5);
    return body;
}

void ScientificWindow::compactKeys() {
    // Keys a little smaller than the keypad's default and panels a little tighter, so that
    // the window with its statistics and solvers fits a 1024 × 768 screen.
    for (const KeySlot& slot : scientificLayout()) {
        if (QPushButton* button = keypad().button(slot.id)) button->setMinimumSize(48, 28);
    }
    for (KeyId id : {KeyId::transit1, KeyId::transit2, KeyId::transit3}) {
        if (QPushButton* button = keypad().button(id)) {
            button->setMinimumWidth(56);
            button->setIconSize(QSize(42, 24));
        }
    }
    for (KeySection section : {KeySection::Functions, KeySection::Memories, KeySection::Main,
                               KeySection::Vat, KeySection::Statistics, KeySection::Solvers}) {
        QGridLayout* grid = keypad().grid(section);
        grid->setContentsMargins(6, 6, 6, 6);
        grid->setSpacing(5);
    }
    // Room for the statistics keys' captions, and for the solvers' under them; the keys of
    // the right-hand column have smaller captions.
    statistics_->frame()->setMinimumWidth(330);
    statistics_->frame()->setProperty("compactKeys", true);
}

QLayout* ScientificWindow::buildSideColumn() {
    sideColumn_ = new QVBoxLayout;
    sideColumn_->setSpacing(8);
    sideColumn_->addWidget(statistics_->frame(), 1);
    return sideColumn_;
}

void ScientificWindow::placeSolverPanel(QWidget* keys, QWidget* blueDisplay) {
    if (keys) {
        keys->setProperty("compactKeys", true);  // captions as small as the statistics'
        keys->setParent(centralWidget());
        sideColumn_->addWidget(keys);
    }
    if (QPushButton* clear = keypad().button(KeyId::blueDisplayClear)) {
        clear->setMinimumWidth(28);  // a narrow key beside the blue display's lists
    }
    if (blueDisplay) {
        // The grey data displays and the blue display share the height the keys leave: the
        // blue display's minimum height holds, its lists' default size does not.
        blueDisplay->setParent(centralWidget());
        blueDisplay->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        sideColumn_->addWidget(blueDisplay, 1);
    }
}

void ScientificWindow::refresh() {
    CalculatorWindow::refresh();
    // The data displays and the chart change only when the lists do, not on every digit.
    if (shownStatistics_ != context_.state.statRevision) {
        shownStatistics_ = context_.state.statRevision;
        statistics_->refresh(model_.state().statistics);
        if (chart_ && chart_->isVisible()) chart_->refresh();
    }
    solvers_->refresh(model_.state());
}

void ScientificWindow::openStatistics() {
    if (calc::openStatisticsFile(model_, context_.dialogs, context_.files)) refresh();
}

void ScientificWindow::saveStatistics() {
    calc::saveStatisticsFile(context_.state, context_.dialogs, context_.files);
}

void ScientificWindow::showChart() {
    if (!chart_) {
        chart_ = new StatisticsChartWindow(context_, this);
        prepareWindow(chart_);
    }
    chart_->refresh();
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void ScientificWindow::printStatistics() {
    app::printStatistics(this, context_.state, model_.state().statistics);
}

}  // namespace numeralia::app
