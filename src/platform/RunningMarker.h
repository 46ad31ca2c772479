#pragma once

#include <QString>

namespace zel {

// The name of the object that says a program in `programFolder` runs: the installer and the
// uninstaller look for it before they replace or remove the files. Global, so that a user's
// session on a terminal server counts too; a name may hold no backslash past its namespace.
QString runningMarkerName(const QString& programFolder);

// On Windows, holds that object until the process ends; nothing elsewhere.
void markProgramRunning();

} // namespace zel
