#pragma once

#include "MailboxRecord.h"

#include <QJsonObject>
#include <QString>
#include <optional>

// One mailbox as a JSON object whose keys are the record's field names.
namespace MailboxJson {

QJsonObject toJson(const MailboxRecord& record);

// The record for `object`, checked against the record's limits. On failure `error` names the
// first faulty field. Missing fields keep the empty record's values, except the mailbox number
// and password, which are required; unknown keys are refused so that a misspelt one is noticed.
std::optional<MailboxRecord> fromJson(const QJsonObject& object, QString& error);

} // namespace MailboxJson
