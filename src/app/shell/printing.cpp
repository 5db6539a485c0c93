#include "app/shell/printing.h"

#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>

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

QString printDocument(QWidget* parent, QTextDocument& document, const QString& title) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull() && pdfFolderOverride().isEmpty()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setDocName(title);
        document.print(&printer);
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
    document.print(&printer);
    if (pdfFolderOverride().isEmpty()) {
        QMessageBox::information(parent, QStringLiteral("Numeralia"),
                                 QStringLiteral("No hay ninguna impresora instalada.\n"
                                                "El documento se ha guardado como PDF en:\n%1")
                                     .arg(QDir::toNativeSeparators(path)));
    }
    return path;
}

}  // namespace numeralia::app
