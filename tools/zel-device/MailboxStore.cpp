#include "MailboxStore.h"

#include "MailboxJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <set>

namespace {

const QString kMailboxesKey = QStringLiteral("mailboxes");

} // namespace

MailboxStore::MailboxStore(std::vector<MailboxRecord> mailboxes) : m_mailboxes(std::move(mailboxes))
{}

std::optional<MailboxStore> MailboxStore::load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (document.isNull()) {
        error = QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                    .arg(path, parseError.errorString())
                    .arg(parseError.offset);
        return std::nullopt;
    }
    const QJsonValue list = document.object().value(kMailboxesKey);
    if (!list.isArray()) {
        error = QStringLiteral("%1: expected an object with a \"mailboxes\" list").arg(path);
        return std::nullopt;
    }

    std::vector<MailboxRecord> mailboxes;
    std::set<std::string> numbers;
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString fieldError = QStringLiteral("not an object");
        std::optional<MailboxRecord> record;
        if (array.at(i).isObject())
            record = MailboxJson::fromJson(array.at(i).toObject(), fieldError);
        if (record && !numbers.insert(record->mailboxNumber).second) {
            fieldError = QStringLiteral("mailbox number %1 appears twice")
                             .arg(QString::fromStdString(record->mailboxNumber));
            record.reset();
        }
        if (!record) {
            error = QStringLiteral("%1: mailbox %2 of the list: %3")
                        .arg(path)
                        .arg(i + 1)
                        .arg(fieldError);
            return std::nullopt;
        }
        mailboxes.push_back(*record);
    }
    return MailboxStore(std::move(mailboxes));
}

bool MailboxStore::save(const QString& path, QString& error) const
{
    QJsonArray array;
    for (const auto& record : m_mailboxes)
        array.append(MailboxJson::toJson(record));
    const QJsonObject root{{kMailboxesKey, array}};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

const MailboxRecord* MailboxStore::find(const std::string& number) const
{
    for (const auto& record : m_mailboxes) {
        if (record.mailboxNumber == number)
            return &record;
    }
    return nullptr;
}

bool MailboxStore::replace(const MailboxRecord& record)
{
    for (auto& stored : m_mailboxes) {
        if (stored.mailboxNumber == record.mailboxNumber) {
            stored = record;
            return true;
        }
    }
    return false;
}
