#include "app/shell/qt_file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

// The folder the next dialog starts in: the user's documents at first, then wherever the
// last dialog of the program ended.
QString& lastFolder() {
    static QString folder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    }
    return folder;
}

QString filterFor(const std::string& description, const std::string& extensions) {
    // Both cases, so "datos.dat" written elsewhere shows beside "DATOS.DAT".
    QStringList patterns;
    for (const QString& ext : qs(extensions).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        patterns << QStringLiteral("*.") + ext.toLower() << QStringLiteral("*.") + ext.toUpper();
    return QStringLiteral("%1 (%2);;Todos los archivos (*)")
        .arg(qs(description), patterns.join(QLatin1Char(' ')));
}

// The first of the extensions: the one a name typed without any gets.
QString defaultSuffix(const std::string& extensions) {
    return qs(extensions).section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    lastFolder() = QFileInfo(path).absolutePath();
    const QByteArray utf8 = path.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace

std::optional<std::string> QtFileDialogs::openFile(const std::string& title,
                                                   const std::string& description,
                                                   const std::string& extension) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), qs(title),
                                               lastFolder(), filterFor(description, extension)));
}

std::optional<std::string> QtFileDialogs::saveFile(const std::string& title,
                                                   const std::string& description,
                                                   const std::string& extension) {
    QFileDialog dialog(QApplication::activeWindow(), qs(title), lastFolder(),
                       filterFor(description, extension));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix(extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

}  // namespace numeralia::app
