#include "MailboxJson.h"

#include "DialCodes.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

QString fromBytes(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QJsonArray stringArray(const auto& strings)
{
    QJsonArray array;
    for (const auto& s : strings)
        array.append(fromBytes(s));
    return array;
}

bool allDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads fields of one JSON object, keeping the first error.
class FieldReader
{
public:
    explicit FieldReader(const QJsonObject& object) : m_object(object) {}

    const QString& error() const { return m_error; }
    const std::set<QString>& seenKeys() const { return m_seen; }

    void integer(const char* key, int& out, int min, int max)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined())
            return;
        const double number = value.toDouble(min - 1.0);
        if (!value.isDouble() || number < min || number > max || number != std::floor(number))
            return fail(key, QStringLiteral("an integer from %1 to %2").arg(min).arg(max));
        out = int(number);
    }

    void boolean(const char* key, bool& out)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined())
            return;
        if (!value.isBool())
            return fail(key, QStringLiteral("true or false"));
        out = value.toBool();
    }

    void text(const char* key, std::string& out, std::size_t maxLength)
    {
        const QJsonValue value = take(key);
        if (!value.isUndefined())
            readText(key, value, out, maxLength);
    }

    void digits(const char* key, std::string& out, std::size_t minLength, std::size_t maxLength)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined() && minLength > 0)
            return failWith(QStringLiteral("\"%1\" is required").arg(QLatin1String(key)));
        if (value.isUndefined())
            return;
        std::string digits;
        if (readText(key, value, digits, maxLength))
            checkDigits(key, digits, minLength, maxLength, out);
    }

    void dialText(const char* key, std::string& out, std::size_t maxLength)
    {
        std::string text;
        const QJsonValue value = take(key);
        if (value.isUndefined() || !readText(key, value, text, maxLength))
            return;
        if (!DialCodes::isDialText(text))
            return fail(key, QStringLiteral("made of 0-9 * # A-D P Q X $ only"));
        out = text;
    }

    template <std::size_t N>
    void digitList(const char* key, std::array<std::string, N>& out, std::size_t maxLength)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined())
            return;
        const QJsonArray array = value.toArray();
        if (!value.isArray() || std::size_t(array.size()) > N)
            return fail(key, QStringLiteral("a list of at most %1 digit strings").arg(N));
        for (qsizetype i = 0; i < array.size(); ++i) {
            std::string entry;
            if (!readText(key, array.at(i), entry, maxLength))
                return;
            checkDigits(key, entry, 0, maxLength, out[std::size_t(i)]);
        }
    }

    void byteList(const char* key, std::array<int, 3>& out)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined())
            return;
        const QJsonArray array = value.toArray();
        const bool valid = value.isArray() && array.size() == 3 &&
                           std::all_of(array.begin(), array.end(), [](const QJsonValue& v) {
                               const double d = v.toDouble(-1);
                               return v.isDouble() && d >= 0 && d <= 255 && d == std::floor(d);
                           });
        if (!valid)
            return fail(key, QStringLiteral("three integers from 0 to 255"));
        for (int i = 0; i < 3; ++i)
            out[std::size_t(i)] = array.at(i).toInt();
    }

    void fail(const char* key, const QString& expected)
    {
        failWith(QStringLiteral("\"%1\" must be %2").arg(QLatin1String(key), expected));
    }

    void failWith(const QString& message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }

private:
    QJsonValue take(const char* key)
    {
        m_seen.insert(QLatin1String(key));
        return m_object.value(QLatin1String(key));
    }

    bool readText(const char* key, const QJsonValue& value, std::string& out, std::size_t maxLength)
    {
        const QString text = value.toString();
        const bool latin1 =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xff; });
        if (!value.isString() || !latin1 || std::size_t(text.size()) > maxLength) {
            fail(key, QStringLiteral("text of at most %1 Latin-1 characters").arg(maxLength));
            return false;
        }
        out = text.toLatin1().toStdString();
        return true;
    }

    void checkDigits(const char* key, const std::string& digits, std::size_t minLength,
                     std::size_t maxLength, std::string& out)
    {
        if (digits.size() < minLength || !allDigits(digits)) {
            const QString range = minLength == maxLength
                                      ? QString::number(minLength)
                                      : QStringLiteral("%1 to %2").arg(minLength).arg(maxLength);
            return fail(key, QStringLiteral("%1 decimal digits").arg(range));
        }
        out = digits;
    }

    const QJsonObject& m_object;
    std::set<QString> m_seen;
    QString m_error;
};

} // namespace

namespace MailboxJson {

QJsonObject toJson(const MailboxRecord& r)
{
    QJsonObject o;
    o[QStringLiteral("mailboxNumber")] = fromBytes(r.mailboxNumber);
    o[QStringLiteral("password")] = fromBytes(r.password);
    o[QStringLiteral("mailboxType")] = r.mailboxType;
    o[QStringLiteral("languageIndex")] = r.languageIndex;
    o[QStringLiteral("languageCodes")] =
        QJsonArray{r.languageCodes[0], r.languageCodes[1], r.languageCodes[2]};
    o[QStringLiteral("notifyExtension")] = fromBytes(r.notifyExtension);
    o[QStringLiteral("backupExtension")] = fromBytes(r.backupExtension);
    o[QStringLiteral("localNotificationType")] = r.localNotificationType;
    o[QStringLiteral("operatorExtensions")] = stringArray(r.operatorExtensions);
    o[QStringLiteral("operatorExtensionIndex")] = r.operatorExtensionIndex;
    o[QStringLiteral("faxExtensions")] = stringArray(r.faxExtensions);
    o[QStringLiteral("faxExtensionChoice")] = r.faxExtensionChoice;
    o[QStringLiteral("announcer")] = r.announcer;
    o[QStringLiteral("doNotDisturb")] = r.doNotDisturb;
    o[QStringLiteral("timeStamp")] = r.timeStamp;
    o[QStringLiteral("emailSupported")] = r.emailSupported != 0;
    o[QStringLiteral("externalNotificationAllowed")] = r.externalNotificationAllowed;
    o[QStringLiteral("telephoneEnabled")] = r.telephoneEnabled;
    o[QStringLiteral("pagerEnabled")] = r.pagerEnabled;
    o[QStringLiteral("smsEnabled")] = r.smsEnabled;
    o[QStringLiteral("emailEnabled")] = r.emailEnabled;
    o[QStringLiteral("telephoneNumber")] = fromBytes(r.telephoneNumber);
    o[QStringLiteral("pagerNumber")] = fromBytes(r.pagerNumber);
    o[QStringLiteral("smsNumber")] = fromBytes(r.smsNumber);
    o[QStringLiteral("emailAddress")] = fromBytes(r.emailAddress);
    o[QStringLiteral("messageType")] = r.messageType;
    o[QStringLiteral("newMessages")] = r.newMessages;
    o[QStringLiteral("savedMessages")] = r.savedMessages;
    o[QStringLiteral("maxMessages")] = r.maxMessages;
    return o;
}

std::optional<MailboxRecord> fromJson(const QJsonObject& object, QString& error)
{
    MailboxRecord r;
    FieldReader in(object);
    bool emailSupported = false;
    in.digits("mailboxNumber", r.mailboxNumber, 1, 6);
    in.digits("password", r.password, 4, 4);
    in.integer("mailboxType", r.mailboxType, 0, 1);
    in.integer("languageIndex", r.languageIndex, 0, 2);
    in.byteList("languageCodes", r.languageCodes);
    in.digits("notifyExtension", r.notifyExtension, 0, 6);
    in.digits("backupExtension", r.backupExtension, 0, 6);
    in.integer("localNotificationType", r.localNotificationType, 0, 4);
    in.digitList("operatorExtensions", r.operatorExtensions, 7);
    in.integer("operatorExtensionIndex", r.operatorExtensionIndex, 0, 7);
    in.digitList("faxExtensions", r.faxExtensions, 7);
    in.integer("faxExtensionChoice", r.faxExtensionChoice, 0, 4);
    in.boolean("announcer", r.announcer);
    in.boolean("doNotDisturb", r.doNotDisturb);
    in.boolean("timeStamp", r.timeStamp);
    in.boolean("emailSupported", emailSupported);
    in.boolean("externalNotificationAllowed", r.externalNotificationAllowed);
    in.boolean("telephoneEnabled", r.telephoneEnabled);
    in.boolean("pagerEnabled", r.pagerEnabled);
    in.boolean("smsEnabled", r.smsEnabled);
    in.boolean("emailEnabled", r.emailEnabled);
    in.dialText("telephoneNumber", r.telephoneNumber, 20);
    in.dialText("pagerNumber", r.pagerNumber, 40);
    in.text("smsNumber", r.smsNumber, 40);
    in.text("emailAddress", r.emailAddress, 60);
    in.integer("messageType", r.messageType, 0, 3);
    in.integer("newMessages", r.newMessages, -128, 127);
    in.integer("savedMessages", r.savedMessages, -128, 127);
    in.integer("maxMessages", r.maxMessages, -135, 120);

    r.emailSupported = emailSupported ? 1 : 0;
    r.totalMessages = r.newMessages + r.savedMessages;
    if (!emailSupported && (!r.emailAddress.empty() || r.messageType != 0))
        in.fail("emailAddress", QStringLiteral("empty, and messageType 0, without emailSupported"));
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!in.seenKeys().count(it.key()))
            in.failWith(QStringLiteral("unknown field \"%1\"").arg(it.key()));
    }
    if (!in.error().isEmpty()) {
        error = in.error();
        return std::nullopt;
    }
    return r;
}

} // namespace MailboxJson
