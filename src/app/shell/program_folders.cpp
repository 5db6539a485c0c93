#include "app/shell/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace numeralia::app {

QString applicationFolder() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }

QString userConfigFolder() {
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

bool folderAcceptsFiles(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile trial(QDir(folder).filePath(QStringLiteral("pref.XXXXXX.tmp")));
    return trial.open();
}

ProgramFolders runningProgramFolders() { return {applicationFolder(), userConfigFolder()}; }

}  // namespace numeralia::app
