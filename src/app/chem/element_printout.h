#pragma once
// The printed element sheet: one page with the crystal picture, the credit line, the
// element's name, its symbol, number and weight in large type and its properties in two
// aligned columns.

#include <QRectF>
#include <QString>

#include "core/chem/periodic_model.h"

class QPainter;
class QPrinter;
class QWidget;

namespace numeralia::app {

// Prints the sheet as shown on the default printer (or to a PDF whose path the user is
// told); returns the PDF's path in that case.
QString printElementSheet(QWidget* parent, const chem::PeriodicTableModel& model);

// Paints the page on any paint device whose resolution is given in dots per inch.
void paintElementSheet(QPainter& painter, const QRectF& page, int dotsPerInch,
                       const chem::PeriodicTableModel& model);

}  // namespace numeralia::app
