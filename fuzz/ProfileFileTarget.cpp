#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "platform/ProfileFile.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <iterator>
#include <utility>

namespace {

struct Key
{
    QString section;
    QString name;
    QString writtenValue;
    bool isNumber;
};

const Key kKeys[] = {
    {QStringLiteral("Zel Server"), QStringLiteral("IP_address"), QStringLiteral("192.168.7.20"),
     false},
    {QStringLiteral("Zel Server"), QStringLiteral("Port_num"), QStringLiteral("5060"), true},
    {QStringLiteral("Zel Client"), QStringLiteral("Mailbox"), QStringLiteral("305"), false},
    {QStringLiteral("Zel Client"), QStringLiteral("Local_Port"), QStringLiteral("5061"), true},
};

// One folder for the whole run: a profile write renames a temporary file over the old one.
// Every write also syncs to disk, so fuzz with TMPDIR on a tmpfs (/dev/shm).
QString profilePath()
{
    static const QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    return folder.filePath(QStringLiteral("Zel1.ini"));
}

// Lines with their endings; only the last may lack one.
QByteArrayList linesOf(const QByteArray& content)
{
    QByteArrayList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        lines.append(content.mid(start, end - start));
        start = end;
    }
    return lines;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// A file's byte-order mark, and its text as the profile reads it: after a UTF-16 mark decoded,
// else byte for byte. Lines are compared as text, not as bytes, in UTF-16.
std::pair<QByteArray, QByteArray> markAndText(const QByteArray& content)
{
    for (const auto& [mark, encoding] : {std::pair{"\xFF\xFE", QStringConverter::Utf16LE},
                                         std::pair{"\xFE\xFF", QStringConverter::Utf16BE}}) {
        if (content.startsWith(mark)) {
            QStringDecoder decode(encoding);
            return {mark, QString(decode(content)).toUtf8()};
        }
    }
    if (content.startsWith("\xEF\xBB\xBF"))
        return {content.left(3), content.mid(3)};
    return {{}, content};
}

QByteArray withoutEnding(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool isLineOfKey(const QByteArray& line, const Key& key)
{
    const qsizetype equals = line.indexOf('=');
    return equals >= 0 &&
           QString::fromUtf8(line.left(equals)).trimmed().compare(key.name, Qt::CaseInsensitive) ==
               0;
}

bool isWrittenLine(const QByteArray& line, const Key& key)
{
    const QByteArray text = withoutEnding(line);
    return isLineOfKey(text, key) && text.endsWith('=' + key.writtenValue.toUtf8());
}

// A line that lacked an ending may gain one when something is added after it.
bool keptLine(const QByteArray& before, const QByteArray& after, bool wasUnterminated)
{
    return before == after ||
           (wasUnterminated && (after == before + '\n' || after == before + "\r\n"));
}

// The write may replace the key's line (or leave it, when it holds the value already), insert
// it, or append its section and it: every other line stays as it was, to the letter.
void checkOtherLinesKept(const QByteArray& before, const QByteArray& after, const Key& key)
{
    const QByteArrayList old = linesOf(before);
    const QByteArrayList now = linesOf(after);
    const bool unterminated = !before.isEmpty() && !before.endsWith('\n');

    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() &&
           keptLine(old[prefix], now[prefix], unterminated && prefix == old.size() - 1))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const QByteArrayList removed = old.mid(prefix, old.size() - prefix - suffix);
    const QByteArrayList added = now.mid(prefix, now.size() - prefix - suffix);

    FUZZ_CHECK(removed.size() <= 1);
    for (const QByteArray& line : removed)
        FUZZ_CHECK(isLineOfKey(withoutEnding(line), key));
    if (added.isEmpty()) {
        FUZZ_CHECK(removed.isEmpty()); // the key already held the value
    } else if (added.size() == 2) {
        FUZZ_CHECK(removed.isEmpty() && suffix == 0);
        FUZZ_CHECK(withoutEnding(added[0]) == '[' + key.section.toUtf8() + ']');
        FUZZ_CHECK(isWrittenLine(added[1], key));
    } else {
        FUZZ_CHECK(added.size() == 1 && isWrittenLine(added[0], key));
    }
}

// A value can hold no line break, so this default shows an absent key.
const QString kAbsent = QStringLiteral("\n");

void checkReads(const zel::ProfileFile& profile, const Key& key)
{
    const bool present = profile.readString(key.section, key.name, kAbsent) != kAbsent;
    const int number = profile.readInt(key.section, key.name, -1);
    FUZZ_CHECK(present ? profile.readInt(key.section, key.name, -2) == number : number == -1);
}

} // namespace

// Any bytes as the program's profile: its four keys read alike as text and number, and writing
// one of them (chosen by the input's size) reads back and keeps every other line.
int fuzzProfileFile(const std::uint8_t* data, std::size_t size)
{
    const QString path = profilePath();
    const QByteArray before(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(before) == before.size());
    }

    zel::ProfileFile profile(path);
    for (const Key& key : kKeys)
        checkReads(profile, key);

    const Key& written = kKeys[size % std::size(kKeys)];
    FUZZ_CHECK(written.isNumber
                   ? profile.writeInt(written.section, written.name, written.writtenValue.toInt())
                   : profile.writeString(written.section, written.name, written.writtenValue));
    FUZZ_CHECK(profile.readString(written.section, written.name) == written.writtenValue);
    const auto [markBefore, textBefore] = markAndText(before);
    const auto [markAfter, textAfter] = markAndText(readAll(path));
    FUZZ_CHECK(markAfter == markBefore);
    checkOtherLinesKept(textBefore, textAfter, written);
    return 0;
}
