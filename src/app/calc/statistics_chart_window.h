#pragma once
// "Gráfico-EST.": the charts of the statistics data. The distribution of the X data, the
// distribution of the Y data (or X with its frequencies in the Y list, as the user chooses)
// and the XY pairs with the regression line, its equation and r². The Scientific window
// redraws it whenever the lists change while it is open; it can be saved as a PNG or SVG
// picture.

#include <QWidget>

#include "app/shell/app_context.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QStackedWidget;

namespace numeralia::app {

class StatisticsChartWindow : public QWidget {
    Q_OBJECT
  public:
    StatisticsChartWindow(AppContext& context, QWidget* parent);

    // Draws the lists of the shared state again.
    void refresh();
    // Writes the three charts as one picture: SVG for a name ending in ".svg", PNG otherwise.
    bool savePicture(const QString& path);

    bool showsNoData() const;
    QChartView* view(int index) const { return views_[index]; }  // 0 X, 1 Y, 2 pairs
    QComboBox* secondChoice() const { return second_; }

  private:
    void choosePicture();
    void setChart(int index, QChart* chart);

    AppContext& context_;
    QStackedWidget* pages_ = nullptr;
    QWidget* charts_ = nullptr;
    QLabel* noData_ = nullptr;
    QComboBox* second_ = nullptr;
    QChartView* views_[3] = {};
};

}  // namespace numeralia::app
