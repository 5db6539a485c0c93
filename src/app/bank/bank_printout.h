#pragma once
// The printed page of the bank window: the inputs and results of the last calculation and,
// on request, its whole month-by-month table.

#include <QString>

class QWidget;

namespace numeralia::bank {
class BankModel;
}

namespace numeralia::app {

QString bankPrintHtml(const bank::BankModel& model, bool withTable);

// Prints on the default printer, or to a PDF the user is told about. Returns the PDF's path
// in that case.
QString printBankResults(QWidget* parent, const bank::BankModel& model, bool withTable);

}  // namespace numeralia::app
