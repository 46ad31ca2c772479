#pragma once

#include "pages/LanguageName.h"
#include "platform/Dialog.h"
#include "platform/PrivateMessage.h"
#include "res/resource.h"
#include "shell/RecordBinding.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>

// Turns the texts a test wants on a page into record values. A text that no record value
// becomes (an empty transfer field, a list text without its final "_") is kept aside, to be
// written by hand.
class RecordTexts
{
public:
    int number(int controlId, const QString& text)
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok && QString::number(value) == text)
            return value;
        m_handWritten.insert(controlId, text);
        return 0;
    }

    template <std::size_t N> std::array<std::string, N> entries(int controlId, const QString& list)
    {
        std::array<std::string, N> result;
        const QStringList parts = split(controlId, list, N);
        for (std::size_t i = 0; i < std::size_t(parts.size()); ++i)
            result[i] = parts[qsizetype(i)].toStdString();
        return result;
    }

    std::array<int, 3> languageCodes(int controlId, const QString& names)
    {
        std::array<int, 3> codes{};
        const QStringList parts = split(controlId, names, codes.size());
        for (qsizetype i = 0; i < parts.size(); ++i) {
            int code = 0;
            while (code < 256 && LanguageName(code) != parts[i])
                ++code;
            if (code == 256) {
                m_handWritten.insert(controlId, names);
                return {};
            }
            codes[std::size_t(i)] = code;
        }
        return codes;
    }

    const QMap<int, QString>& handWritten() const { return m_handWritten; }

private:
    QStringList split(int controlId, const QString& list, std::size_t count)
    {
        if (list.endsWith(u'_') && std::size_t(list.count(u'_')) == count)
            return list.chopped(1).split(u'_');
        m_handWritten.insert(controlId, list);
        return {};
    }

    QMap<int, QString> m_handWritten;
};

// Loads a page as the Refresh command does, through the same record binding, so that a wrong
// control id there fails the page tests; then the texts in `handWritten`, then WM_PAGE_LOAD.
inline void loadRecord(zel::Dialog& page, zel::BoundPage which, MailboxRecord record,
                       const QMap<int, QString>& handWritten = {})
{
    zel::writeRecordToPage(record, which, page);
    for (auto text = handWritten.begin(); text != handWritten.end(); ++text)
        page.SetDlgItemText(text.key(), text.value());
    zel::SendMessage(&page, zel::WM_PAGE_LOAD);
}
