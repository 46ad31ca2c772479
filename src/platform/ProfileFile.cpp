#include "ProfileFile.h"

#include "platform/LeadingNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
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

std::vector<Line> readLines(const QString& path)
{
    std::vector<Line> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray content = file.readAll();
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
    return lines;
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

bool writeLines(const QString& path, const std::vector<Line>& lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const Line& line : lines) {
        file.write(line.text);
        file.write(line.ending);
    }
    return file.commit();
}

} // namespace

ProfileFile::ProfileFile(QString path, QString fallbackPath)
    : m_strPath(std::move(path)), m_strFallbackPath(std::move(fallbackPath))
{}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const
{
    const std::vector<Line> lines = readLines(m_strPath);
    const Position position = find(lines, section, key);
    return position.key ? valueOf(lines[*position.key].text) : defaultValue;
}

int ProfileFile::readInt(const QString& section, const QString& key, int defaultValue) const
{
    const std::vector<Line> lines = readLines(m_strPath);
    const Position position = find(lines, section, key);
    if (!position.key)
        return defaultValue;
    // The value is trimmed of its blanks already; nothing else may come before the number.
    return int(readLeadingNumber(valueOf(lines[*position.key].text), NumberReading::Signed,
                                 LeadingSpace::Ends));
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value)
{
    std::vector<Line> lines = readLines(m_strPath);
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

    if (writeLines(m_strPath, lines))
        return true;
    // The whole file moves, so that the next start finds every key in one place.
    if (m_strFallbackPath.isEmpty() || !writeLines(m_strFallbackPath, lines))
        return false;
    m_strPath = std::exchange(m_strFallbackPath, {});
    return true;
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

ProfileFile profileIn(const QString& sharedFolder, const QString& userFolder,
                      const QString& fileName)
{
    const QString inSharedFolder = QDir(sharedFolder).filePath(fileName);
    if (userFolder.isEmpty())
        return ProfileFile(inSharedFolder);
    const QString inUserFolder = QDir(userFolder).filePath(fileName);
    if (QFileInfo::exists(inUserFolder) || !QFileInfo::exists(inSharedFolder))
        return ProfileFile(inUserFolder);
    return ProfileFile(inSharedFolder, inUserFolder);
}

} // namespace zel
