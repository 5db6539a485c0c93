#pragma once
// Printing the statistics ("Imprimir", "Estadística"): the data table (entry number, X, Y)
// and the results of the statistics keys.

#include <QString>

#include "core/calc/statistics_state.h"
#include "core/shell/shared_state.h"

class QWidget;

namespace numeralia::app {

// The printed document. The table's heading row is repeated on every page it runs over.
QString statisticsDocumentHtml(const SharedState& shared, const calc::StatisticsDisplays& shown,
                               const QString& when);

// Prints on the default printer, or to a PDF the user is told about; returns its path then.
QString printStatistics(QWidget* parent, const SharedState& shared,
                        const calc::StatisticsDisplays& shown);

}  // namespace numeralia::app
