#pragma once
// Printing the key history ("Imprimir", "Historial").

#include <QString>
#include <QStringList>

class QWidget;

namespace numeralia::app {

// The printed page: a title, the date and the entries in order, one per line.
QString historyDocumentHtml(const QStringList& entries, const QString& when);

// Prints the entries on the default printer, or to a PDF the user is told about.
void printHistory(QWidget* parent, const QStringList& entries);

}  // namespace numeralia::app
