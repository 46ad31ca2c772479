#pragma once

#include <QString>

namespace zel {

// An INI profile file as the Windows profile functions treat it: sections and keys match
// without regard to case, every other line is kept, writes go through a temporary file
// that is renamed over the old one. A write that `path` refuses goes to `fallbackPath` instead,
// with the rest of the file, and the profile is that file from then on.
class ProfileFile
{
public:
    explicit ProfileFile(QString path, QString fallbackPath = {});
    const QString& path() const { return m_strPath; }

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // Leading decimal digits of the value; `defaultValue` when the key is absent.
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInt(const QString& section, const QString& key, int value);

private:
    QString m_strPath;
    QString m_strFallbackPath;
};

// GetWindowsDirectoryA: the Windows directory there, the user's configuration folder elsewhere.
QString windowsDirectory();

// The user's own folder `name` in the roaming application data (%APPDATA%) on Windows, where a
// standard user may not write to the Windows directory; empty elsewhere, where the
// configuration folder is the user's own already.
QString userDataFolder(const QString& name);

// `fileName` in `sharedFolder`, the place of old, unless `userFolder` is given and the file is
// there or not in `sharedFolder`: then in `userFolder`. Writes `sharedFolder` refuses move the
// file to `userFolder`.
ProfileFile profileIn(const QString& sharedFolder, const QString& userFolder,
                      const QString& fileName);

} // namespace zel
