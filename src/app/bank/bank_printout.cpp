#include "app/bank/bank_printout.h"

#include <QDate>
#include <QLocale>
#include <QTextDocument>

#include "app/shell/printing.h"
#include "core/bank/bank_model.h"

namespace numeralia::app {

namespace {

QString esc(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString pairTable(const QString& title, const QList<QPair<QString, QString>>& rows) {
    QString html = QStringLiteral(
                       "<h3>%1</h3><table cellspacing='0' cellpadding='4' "
                       "style='border-collapse: collapse;'>")
                       .arg(title);
    for (const auto& [caption, value] : rows) {
        html += QStringLiteral(
                    "<tr><td style='border-bottom: 1px solid #c8ced6;'>%1</td>"
                    "<td align='right' style='border-bottom: 1px solid #c8ced6;"
                    " padding-left: 24px;'><b>%2</b></td></tr>")
                    .arg(caption, value);
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

QString bankPrintHtml(const bank::BankModel& model, bool withTable) {
    QString html = QStringLiteral(
        "<html><body style='font-family: sans-serif; font-size: 10pt; color: #1b2733;'>");
    html += QStringLiteral("<h2 style='color: #20456e;'>Numeralia &nbsp;-&nbsp; %1</h2>")
                .arg(esc(model.caption()));
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    html +=
        QStringLiteral("<p style='color: #6b7785;'>%1</p>")
            .arg(spanish.toString(QDate::currentDate(), QStringLiteral("d 'de' MMMM 'de' yyyy")));

    QList<QPair<QString, QString>> inputs;
    for (const auto& [caption, value] : model.calculatedInputs())
        inputs.append({esc(caption), esc(value)});
    html += pairTable(QStringLiteral("Datos"), inputs);

    QList<QPair<QString, QString>> results;
    for (std::size_t i = 0; i < 3; ++i) {
        results.append({QStringLiteral("%1 <span style='color: #6b7785;'>(R%2)</span>")
                            .arg(esc(model.resultCaptions()[i]))
                            .arg(i + 1),
                        esc(model.results()[i])});
    }
    html += pairTable(QStringLiteral("Resultados"), results);

    if (withTable && model.rowCount() > 0) {
        html += QStringLiteral(
            "<h3>Tabla mensual</h3><table width='100%' cellspacing='0' "
            "cellpadding='3' style='border-collapse: collapse;'><thead><tr>");
        for (const std::string& title : model.columnTitles()) {
            html +=
                QStringLiteral(
                    "<th align='right' style='background-color: #20456e; color: white;'>%1</th>")
                    .arg(esc(title));
        }
        html += QStringLiteral("</tr></thead>");
        QString rows;
        rows.reserve(static_cast<qsizetype>(model.rowCount()) * 300);
        for (std::size_t r = 0; r < model.rowCount(); ++r) {
            rows += r % 2 ? QStringLiteral("<tr style='background-color: #eef2f6;'>")
                          : QStringLiteral("<tr>");
            for (int c = 0; c < 5; ++c) {
                rows += QStringLiteral("<td align='right'>") + esc(model.cellText(r, c)) +
                        QStringLiteral("</td>");
            }
            rows += QStringLiteral("</tr>");
        }
        html += rows + QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

QString printBankResults(QWidget* parent, const bank::BankModel& model, bool withTable) {
    QTextDocument document;
    document.setHtml(bankPrintHtml(model, withTable));
    return printDocument(parent, document, QString::fromStdString(model.caption()));
}

}  // namespace numeralia::app
