#pragma once

#include <QString>

namespace zel {

// The name of the object that says the program `program` in `programFolder` runs: the installer
// and the uninstaller look for it before they replace or remove the files. Global, so that a
// user's session on a terminal server counts too; a name may hold no backslash past its
// namespace, and the folder is in lower case, as Windows matches paths.
QString runningMarkerName(const QString& program, const QString& programFolder);

// Who may open the marker, as a security descriptor's text: every authenticated user (and the
// system) may wait on it, and nothing more. An administrator's installer or another user's
// session must see it; the creator's default security would let only its own user open it.
QString runningMarkerSecurity();

// On Windows, holds the marker of `program` in the running program's folder until the process
// ends; nothing elsewhere.
void markProgramRunning(const QString& program);

} // namespace zel
