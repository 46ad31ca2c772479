#include "ProfileFile.h"

#include "platform/LeadingNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace zel {

namespace {

// One line of the file, with its line ending, exactly as read.
struct Line
{
    QByteArray text;
    QByteArray ending;
};

// Some editors start a UTF-8 file with a byte-order mark; it is no part of the first line.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Notepad's "Unicode" and PowerShell 5's `>` save UTF-16 with its byte-order mark; the profile
// functions read and write such a file in UTF-16. Its lines are kept in UTF-8 in between.
std::optional<QStringConverter::Encoding> utf16Of(const QByteArray& content)
{
    if (content.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (content.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// The file's lines, and how it was saved: its byte-order mark if it has one.
struct ProfileText
{
    QByteArray byteOrderMark;
    std::optional<QStringConverter::Encoding> utf16;
    std::vector<Line> lines;
};

ProfileText readText(const QString& path)
{
    ProfileText text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return text;
    QByteArray content = file.readAll();
    text.utf16 = utf16Of(content);
    if (text.utf16) {
        QStringDecoder decode(*text.utf16);
        content = QString(decode(content)).toUtf8();
    } else if (content.startsWith(kByteOrderMark)) {
        text.byteOrderMark = kByteOrderMark;
        content.remove(0, text.byteOrderMark.size());
    }
    std::vector<Line>& lines = text.lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({content.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && content.at(newline - 1) == '\r';
        const qsizetype textEnd = crlf ? newline - 1 : newline;
        lines.push_back({content.mid(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return text;
}

// "[name]" -> name, trimmed.
std::optional<QString> sectionName(const QByteArray& line)
{
    const QByteArray text = line.trimmed();
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    return QString::fromUtf8(text.mid(1, close < 0 ? -1 : close - 1)).trimmed();
}

// "key = value" -> key, trimmed; lines without '=' and comments hold no key.
std::optional<QString> keyName(const QByteArray& line)
{
    const QByteArray text = line.trimmed();
    if (text.startsWith(';') || text.startsWith('['))
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return QString::fromUtf8(text.left(equals)).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key sits: the section's header line, and the key's line when it is there.
struct Position
{
    std::optional<std::size_t> section;
    std::optional<std::size_t> key;
    std::size_t sectionEnd = 0; // one past the section's last non-blank line
};

Position find(const std::vector<Line>& lines, const QString& section, const QString& key)
{
    Position position;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (position.section)
                break; // the first matching section is the one that counts
            if (sameName(*name, section)) {
                position.section = i;
                position.sectionEnd = i + 1;
            }
            continue;
        }
        if (!position.section)
            continue;
        if (!lines[i].text.trimmed().isEmpty())
            position.sectionEnd = i + 1;
        const auto name = keyName(lines[i].text);
        if (!position.key && name && sameName(*name, key))
            position.key = i;
    }
    return position;
}

QString valueOf(const QByteArray& line)
{
    QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}

QByteArray newLineEnding(const std::vector<Line>& lines)
{
    for (const Line& line : lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

// The safe write: a temporary file, renamed over the old one once it is whole. A folder a
// standard user may not create files in (the Windows directory) may still hold a file an
// administrator let them change: that file is written in place.
bool writeText(const QString& path, const ProfileText& text)
{
    QByteArray content = text.byteOrderMark;
    for (const Line& line : text.lines)
        content += line.text + line.ending;
    if (text.utf16) {
        // A first character that is itself a byte-order mark is text of the file's.
        QStringDecoder fromUtf8(QStringConverter::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        QStringEncoder encode(*text.utf16, QStringEncoder::Flag::WriteBom);
        content = encode(QString(fromUtf8(content)));
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile safe(path);
    if (safe.open(QIODevice::WriteOnly))
        return safe.write(content) == content.size() && safe.commit();
    // Qt's own fallback (setDirectWriteFallback) serves Unix alone. A file marked read-only
    // stays as it is, as the safe write leaves it.
    QFile inPlace(path);
    return QFileInfo(path).isWritable() &&
           inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           inPlace.write(content) == content.size() && inPlace.flush();
}

std::optional<QString> valueIn(const QString& path, const QString& section, const QString& key)
{
    const std::vector<Line> lines = readText(path).lines;
    const Position position = find(lines, section, key);
    if (!position.key)
        return std::nullopt;
    return valueOf(lines[*position.key].text);
}

bool writeKey(const QString& path, const QString& section, const QString& key, const QString& value)
{
    ProfileText text = readText(path);
    std::vector<Line>& lines = text.lines;
    const Position position = find(lines, section, key);
    const QByteArray ending = newLineEnding(lines);

    if (position.key) {
        Line& line = lines[*position.key];
        const QByteArray name = line.text.left(line.text.indexOf('=')).trimmed();
        line.text = name + '=' + value.toUtf8();
    } else {
        const Line entry{key.toUtf8() + '=' + value.toUtf8(), ending};
        if (position.section) {
            lines.insert(lines.begin() + std::ptrdiff_t(position.sectionEnd), entry);
        } else {
            if (!lines.empty() && lines.back().ending.isEmpty())
                lines.back().ending = ending;
            lines.push_back({'[' + section.toUtf8() + ']', ending});
            lines.push_back(entry);
        }
    }
    // A key added after a last line that had no line ending.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].ending.isEmpty())
            lines[i].ending = ending;
    }
    return writeText(path, text);
}

} // namespace

ProfileFile::ProfileFile(QString path, QString userPath, QString virtualStorePath,
                         QStringList userSections)
    : m_strPath(std::move(path)), m_strUserPath(std::move(userPath)),
      m_strVirtualStorePath(std::move(virtualStorePath)), m_userSections(std::move(userSections))
{}

QString ProfileFile::path() const
{
    return m_strUserPath.isEmpty() || QFileInfo::exists(m_strPath) ? m_strPath : m_strUserPath;
}

QStringList ProfileFile::layersAbove() const
{
    QStringList layers;
    for (const QString& layer : {m_strUserPath, m_strVirtualStorePath}) {
        if (!layer.isEmpty())
            layers.append(layer);
    }
    return layers;
}

std::optional<std::pair<QString, QString>> ProfileFile::lookUp(const QString& section,
                                                               const QString& key) const
{
    QStringList layers = layersAbove();
    layers.append(m_strPath);
    for (const QString& layer : std::as_const(layers)) {
        if (auto value = valueIn(layer, section, key))
            return std::pair{layer, *value};
    }
    return std::nullopt;
}

QString ProfileFile::pathOf(const QString& section, const QString& key) const
{
    const auto found = lookUp(section, key);
    return found ? found->first : path();
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const
{
    const auto found = lookUp(section, key);
    return found ? found->second : defaultValue;
}

int ProfileFile::readInt(const QString& section, const QString& key, int defaultValue) const
{
    const auto found = lookUp(section, key);
    if (!found)
        return defaultValue;
    // The value is trimmed of its blanks already; nothing else may come before the number.
    return int(readLeadingNumber(found->second, NumberReading::Signed, LeadingSpace::Ends));
}

QString ProfileFile::refusedPath() const
{
    return m_refusedPath;
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value)
{
    if (m_strUserPath.isEmpty()) {
        if (writeKey(m_strPath, section, key, value))
            return true;
        m_refusedPath = m_strPath;
        return false;
    }
    if (writeInLayers(section, key, value))
        return true;
    m_refusedPath = m_strUserPath;
    return false;
}

// False when the user's file, the last resort, refused the write.
bool ProfileFile::writeInLayers(const QString& section, const QString& key,
                                const QString& value) const
{
    if (m_userSections.contains(section, Qt::CaseInsensitive))
        return writeKey(m_strUserPath, section, key, value);
    // A user who confirms the administrator's value has not set one of their own.
    if (const auto found = lookUp(section, key); found && found->second == value)
        return true;
    const QStringList above = layersAbove();
    const bool heldAbove = std::any_of(above.begin(), above.end(), [&](const QString& layer) {
        return valueIn(layer, section, key).has_value();
    });
    // The machine-wide file is never made by a user's write: without it, the user's file is
    // the profile.
    if (!heldAbove && QFileInfo::exists(m_strPath) && writeKey(m_strPath, section, key, value))
        return true;
    return writeKey(m_strUserPath, section, key, value);
}

bool ProfileFile::writeInt(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

QString windowsDirectory()
{
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (length > 0 && length <= MAX_PATH)
        return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(length)));
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString userDataFolder(const QString& name)
{
#ifdef Q_OS_WIN
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return QDir(QDir::fromNativeSeparators(appData)).filePath(name);
#endif
    Q_UNUSED(name);
    return {};
}

QString virtualStoreFile(const QString& sharedFolder, const QString& fileName)
{
#ifdef Q_OS_WIN
    // C:\Windows becomes %LOCALAPPDATA%\VirtualStore\Windows.
    const QString localAppData = qEnvironmentVariable("LOCALAPPDATA");
    const QString folder = QDir::fromNativeSeparators(sharedFolder);
    if (!localAppData.isEmpty() && folder.size() > 2 && folder.at(1) == u':')
        return QDir(QDir::fromNativeSeparators(localAppData) + QStringLiteral("/VirtualStore") +
                    folder.mid(2))
            .filePath(fileName);
#endif
    Q_UNUSED(sharedFolder);
    Q_UNUSED(fileName);
    return {};
}

ProfileFile profileIn(const QString& sharedFolder, const QString& userFolder,
                      const QString& fileName, const QStringList& userSections)
{
    const QString inSharedFolder = QDir(sharedFolder).filePath(fileName);
    if (userFolder.isEmpty())
        return ProfileFile(inSharedFolder);
    return ProfileFile(inSharedFolder, QDir(userFolder).filePath(fileName),
                       virtualStoreFile(sharedFolder, fileName), userSections);
}

} // namespace zel
