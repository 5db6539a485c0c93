#include "app/calc/history_printing.h"

#include <QDateTime>
#include <QLocale>
#include <QTextDocument>

#include "app/shell/printing.h"

namespace numeralia::app {

QString historyDocumentHtml(const QStringList& entries, const QString& when) {
    QString html =
        QStringLiteral("<h2>Numeralia - Historial</h2><p>Registros acumulados hasta el %1</p>")
            .arg(when.toHtmlEscaped());
    if (entries.isEmpty()) {
        html += QStringLiteral("<p><i>El historial está vacío.</i></p>");
        return html;
    }
    html += QStringLiteral("<pre style=\"font-family: monospace;\">");
    for (const QString& entry : entries) html += entry.toHtmlEscaped() + QLatin1Char('\n');
    html += QStringLiteral("</pre>");
    return html;
}

void printHistory(QWidget* parent, const QStringList& entries) {
    QTextDocument document;
    const QString when = QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    document.setHtml(historyDocumentHtml(entries, when));
    printDocument(parent, document, QStringLiteral("Historial"));
}

}  // namespace numeralia::app
