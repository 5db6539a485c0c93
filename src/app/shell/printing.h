#pragma once

#include <QString>
#include <functional>

class QImage;
class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

namespace numeralia::app {

// Prints a document on the default printer. Where the system has no printer, the document
// is written to a PDF file instead and the user is told its path. Returns the PDF path in
// that case, an empty string when it went to a printer.
QString printDocument(QWidget* parent, QTextDocument& document, const QString& title);

// Prints a page that paint draws itself, with a painter already begun on the printer; the
// printer or the PDF are chosen as by printDocument.
QString printPainted(QWidget* parent, const QString& title,
                     const std::function<void(QPainter&, QPrinter&)>& paint);

// Prints a picture (the image of a window) on one page, scaled to fit, turned sideways when
// it is wider than tall; the printer or the PDF are chosen as by printDocument. A printer
// that fails prints nothing and says nothing.
QString printImage(QWidget* parent, const QImage& image, const QString& title);

// Where printDocument writes its PDF when there is no printer (tests point it elsewhere).
void setPdfFolderForTests(const QString& folder);

}  // namespace numeralia::app
