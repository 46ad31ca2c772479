#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace zel {

// An INI profile file as the Windows profile functions treat it: sections and keys match
// without regard to case, every other line is kept, a file saved as UTF-16 with its byte-order
// mark is read and written as such, writes go through a temporary file that is renamed over the
// old one where the folder allows it, and straight into the file where only the file does.
//
// On Windows the profile is read in layers: the user's own file over the copy Windows kept for
// programs of old (VirtualStore) over the machine-wide file an administrator keeps. The keys of
// the user's own sections (the mailbox) are written into the user's file always, so that an
// administrator's run never hands every user of the PC their mailbox. Any other key goes into the
// machine-wide file while it exists and accepts the write; a write it refuses, or of a key a
// layer above it holds, goes into the user's file, that key alone. So a user loses nothing, and
// a device address the administrator changes reaches every user who set none.
class ProfileFile
{
public:
    explicit ProfileFile(QString path, QString userPath = {}, QString virtualStorePath = {},
                         QStringList userSections = {});
    // The machine-wide file while it exists, else the user's.
    QString path() const;
    // The file `key` is read from; path() when no layer holds it.
    QString pathOf(const QString& section, const QString& key) const;
    // The file the last write that failed was meant for; empty while none has failed.
    QString refusedPath() const;

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // Leading decimal digits of the value; `defaultValue` when the key is absent.
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInt(const QString& section, const QString& key, int value);

private:
    // The layers that hold `key`, top first, as (path, value).
    std::optional<std::pair<QString, QString>> lookUp(const QString& section,
                                                      const QString& key) const;
    bool writeInLayers(const QString& section, const QString& key, const QString& value) const;
    QStringList layersAbove() const;

    QString m_strPath;
    QString m_strUserPath;
    QString m_strVirtualStorePath;
    QStringList m_userSections;
    QString m_refusedPath;
};

// GetWindowsDirectoryA: the Windows directory there, the user's configuration folder elsewhere.
QString windowsDirectory();

// The user's own folder `name` in the roaming application data (%APPDATA%) on Windows, where a
// standard user may not write to the Windows directory; empty elsewhere, where the
// configuration folder is the user's own already.
QString userDataFolder(const QString& name);

// The design's VirtualStore copy of `fileName` in `sharedFolder`, where Windows redirected the
// writes of programs without a manifest; empty elsewhere.
QString virtualStoreFile(const QString& sharedFolder, const QString& fileName);

// `fileName` in `sharedFolder`, the place of old, read under the user's own copy in
// `userFolder` when that is given (and under the VirtualStore copy between the two), which
// alone holds the keys of `userSections`.
ProfileFile profileIn(const QString& sharedFolder, const QString& userFolder,
                      const QString& fileName, const QStringList& userSections = {});

} // namespace zel
