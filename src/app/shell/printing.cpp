#include "app/shell/printing.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>
#include <functional>

namespace numeralia::app {

namespace {
QString& pdfFolderOverride() {
    static QString folder;
    return folder;
}

QString pdfFolder() {
    if (!pdfFolderOverride().isEmpty()) return pdfFolderOverride();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::homePath();
    return folder;
}

}  // namespace

void setPdfFolderForTests(const QString& folder) { pdfFolderOverride() = folder; }

namespace {

// Runs paint on the default printer, or on a PDF file whose path the user is told.
QString printWith(QWidget* parent, const QString& title,
                  const std::function<void(QPrinter&)>& paint) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull() && pdfFolderOverride().isEmpty()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setDocName(title);
        paint(printer);
        return {};
    }
    QString name = title;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = QDir(pdfFolder()).filePath(
        QStringLiteral("Numeralia - %1 - %2.pdf")
            .arg(name, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(title);
    paint(printer);
    if (pdfFolderOverride().isEmpty()) {
        QMessageBox::information(parent, QStringLiteral("Numeralia"),
                                 QStringLiteral("No hay ninguna impresora instalada.\n"
                                                "El documento se ha guardado como PDF en:\n%1")
                                     .arg(QDir::toNativeSeparators(path)));
    }
    return path;
}

}  // namespace

QString printDocument(QWidget* parent, QTextDocument& document, const QString& title) {
    return printWith(parent, title, [&document](QPrinter& printer) { document.print(&printer); });
}

QString printPainted(QWidget* parent, const QString& title,
                     const std::function<void(QPainter&, QPrinter&)>& paint) {
    return printWith(parent, title, [&paint](QPrinter& printer) {
        QPainter painter;
        if (!painter.begin(&printer)) return;  // a printer that fails prints nothing
        paint(painter, printer);
    });
}

QString printImage(QWidget* parent, const QImage& image, const QString& title) {
    return printWith(parent, title, [&image](QPrinter& printer) {
        printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
        QPainter painter;
        if (!painter.begin(&printer)) return;
        const QRect page = painter.viewport();
        QSize size = image.size();
        size.scale(page.size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size),
                          image);
    });
}

}  // namespace numeralia::app
