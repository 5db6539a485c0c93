#include "app/calc/statistics_printing.h"

#include <QDateTime>
#include <QLocale>
#include <QTextDocument>

#include "app/shell/printing.h"
#include "core/calc/statistics_keys.h"
#include "core/calc/statistics_report.h"
#include "core/text/number_text.h"

namespace numeralia::app {

namespace {

QString html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString cell(calc::StatData data, std::size_t k) {
    return k < data.size() ? html(text::generalText(data[k])) : QString();
}

}  // namespace

QString statisticsDocumentHtml(const SharedState& shared, const calc::StatisticsDisplays& shown,
                               const QString& when) {
    const calc::StatData x = calc::statDataX(shared);
    const calc::StatData y = calc::statDataY(shared);
    QString doc = QStringLiteral(
                      "<h2>Numeralia - Estadística</h2><p>Datos y resultados estadísticos "
                      "del %1</p>")
                      .arg(when.toHtmlEscaped());
    const std::size_t rows = std::max(x.size(), y.size());
    if (rows == 0) return doc + QStringLiteral("<p><i>No hay datos estadísticos.</i></p>");

    doc += QStringLiteral("<h3>Datos</h3>"
                          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"70%\">"
                          "<thead><tr><th width=\"16%\">Nº</th><th>X</th><th>Y</th></tr></thead>"
                          "<tbody>");
    for (std::size_t k = 0; k < rows; ++k) {
        doc += QStringLiteral("<tr><td align=\"right\">%1</td><td align=\"right\">%2</td>"
                              "<td align=\"right\">%3</td></tr>")
                   .arg(k + 1)
                   .arg(cell(x, k), cell(y, k));
    }
    doc += QStringLiteral("</tbody></table><h3>Resultados</h3>"
                          "<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const calc::ReportLine& line : calc::statisticsReport(shared, shown)) {
        doc += QStringLiteral("<tr><td>%1</td><td align=\"right\"><b>%2</b></td></tr>")
                   .arg(html(line.label), html(line.value));
    }
    return doc + QStringLiteral("</table>");
}

QString printStatistics(QWidget* parent, const SharedState& shared,
                        const calc::StatisticsDisplays& shown) {
    QTextDocument document;
    const QString when = QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    document.setHtml(statisticsDocumentHtml(shared, shown, when));
    return printDocument(parent, document, QStringLiteral("Estadística"));
}

}  // namespace numeralia::app
