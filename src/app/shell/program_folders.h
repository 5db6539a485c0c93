#pragma once
// The folders the program uses, as the platform reports them: its own folder (the sounds,
// and the settings file wherever that folder can be written) and the user's configuration
// folder for the program.

#include <QString>

namespace numeralia::app {

struct ProgramFolders {
    QString program;
    QString userConfig;  // empty: the settings file stays in the program folder
};

// The folder of the running executable, in the platform's own notation. A link to the
// executable (the bin/numeralia of an installed program) is followed to the real folder.
QString applicationFolder();

// The user's configuration folder for the program (on Linux ~/.config/Numeralia), in the
// platform's own notation. The application's name must be set first.
QString userConfigFolder();

// Whether a file can be created in `folder` now: tried for real, so read-only disks, access
// lists and the system's own folders all count. The trial file is gone at once.
bool folderAcceptsFiles(const QString& folder);

// Both folders of the running program.
ProgramFolders runningProgramFolders();

}  // namespace numeralia::app
