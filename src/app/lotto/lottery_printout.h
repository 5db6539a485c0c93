#pragma once
// The printed list of stored bets: numbered, in columns, a page at a time.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace numeralia::app {

// Rows of bets on a page; the columns of a page are filled top to bottom, then left to right.
inline constexpr int kPrintedRowsPerPage = 42;

// The document: a title and, per page, a table of numbered bets in three columns (two when
// some bet has more than six numbers).
QString lotteryPrintHtml(const std::vector<std::string>& bets);

// Prints on the default printer, or to a PDF the user is told about. Returns the PDF's path
// in that case.
QString printLotteryBets(QWidget* parent, const std::vector<std::string>& bets);

}  // namespace numeralia::app
