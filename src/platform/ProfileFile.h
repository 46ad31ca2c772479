#pragma once

#include <QString>

namespace zel {

// An INI profile file as the Windows profile functions treat it: sections and keys match
// without regard to case, every other line is kept, writes go through a temporary file
// that is renamed over the old one.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);
    const QString& path() const { return m_strPath; }

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // Leading decimal digits of the value; `defaultValue` when the key is absent.
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInt(const QString& section, const QString& key, int value);

private:
    QString m_strPath;
};

// GetWindowsDirectoryA: the Windows directory there, the user's configuration folder elsewhere.
QString windowsDirectory();

} // namespace zel
