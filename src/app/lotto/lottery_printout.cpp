#include "app/lotto/lottery_printout.h"

#include <QDate>
#include <QLocale>
#include <QTextDocument>
#include <algorithm>

#include "app/shell/printing.h"
#include "app/shell/qt_text.h"
#include "core/lotto/bets.h"
#include "core/lotto/combinations.h"

namespace numeralia::app {

namespace {

QString esc(const std::string& text) { return qs(text).toHtmlEscaped(); }

// Three columns of simple bets a page; two when a multiple bet is among them.
int columnsFor(const std::vector<std::string>& bets) {
    const bool multiple = std::any_of(bets.begin(), bets.end(), [](const std::string& bet) {
        const auto numbers = lotto::parseBet(bet);
        return numbers && numbers->size() > static_cast<std::size_t>(lotto::kSmallestBet);
    });
    return multiple ? 2 : 3;
}

}  // namespace

QString lotteryPrintHtml(const std::vector<std::string>& bets) {
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QString html = QStringLiteral(
        "<html><body style='font-family: sans-serif; font-size: 9pt; color: #1b2733;'>");
    html += QStringLiteral("<h2 style='color: #20456e;'>Numeralia &nbsp;-&nbsp; Simulador Loto</h2>");
    html += QStringLiteral("<p style='color: #6b7785;'>%1 &nbsp;&middot;&nbsp; %2</p>")
                .arg(bets.size() == 1 ? QStringLiteral("1 Apuesta Seleccionada")
                                      : QStringLiteral("%1 Apuestas Seleccionadas")
                                            .arg(qs(lotto::countText(static_cast<long long>(bets.size())))),
                     spanish.toString(QDate::currentDate(), QStringLiteral("d 'de' MMMM 'de' yyyy")));
    const int columns = columnsFor(bets);
    const std::size_t perPage = static_cast<std::size_t>(kPrintedRowsPerPage * columns);
    for (std::size_t first = 0; first < bets.size(); first += perPage) {
        const std::size_t onPage = std::min(perPage, bets.size() - first);
        const std::size_t rows = (onPage + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns);
        const bool last = first + perPage >= bets.size();
        html += QStringLiteral(
                    "<table width='100%' cellspacing='0' cellpadding='2' style='border-collapse: "
                    "collapse;%1'>")
                    .arg(last ? QString() : QStringLiteral(" page-break-after: always;"));
        for (std::size_t r = 0; r < rows; ++r) {
            html += r % 2 ? QStringLiteral("<tr style='background-color: #eef2f6;'>")
                          : QStringLiteral("<tr>");
            for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c) {
                const std::size_t i = first + c * rows + r;
                if (i < first + onPage) {
                    html += QStringLiteral(
                                "<td align='right' style='color: #6b7785;'>%1.</td>"
                                "<td style='padding-right: 18px;'>%2</td>")
                                .arg(i + 1)
                                .arg(esc(bets[i]));
                } else {
                    html += QStringLiteral("<td></td><td></td>");
                }
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

QString printLotteryBets(QWidget* parent, const std::vector<std::string>& bets) {
    QTextDocument document;
    document.setHtml(lotteryPrintHtml(bets));
    return printDocument(parent, document, QStringLiteral("Simulador Loto"));
}

}  // namespace numeralia::app
