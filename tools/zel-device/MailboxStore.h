#pragma once

#include "MailboxRecord.h"

#include <QString>
#include <optional>
#include <vector>

// The mailboxes the device holds, in the order they were given.
class MailboxStore
{
public:
    explicit MailboxStore(std::vector<MailboxRecord> mailboxes = {});

    // Reads a file of the form {"mailboxes": [ {...}, ... ]}. On failure `error` says why.
    static std::optional<MailboxStore> load(const QString& path, QString& error);

    // Writes all mailboxes to `path` atomically: the old file stays whole if writing fails.
    bool save(const QString& path, QString& error) const;

    const MailboxRecord* find(const std::string& number) const;
    // Replaces the mailbox with the same number; returns false if there is none.
    bool replace(const MailboxRecord& record);

    const std::vector<MailboxRecord>& mailboxes() const { return m_mailboxes; }

private:
    std::vector<MailboxRecord> m_mailboxes;
};
