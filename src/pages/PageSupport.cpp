#include "PageSupport.h"

#include "res/HelpText.h"

#include <QComboBox>
#include <QCoreApplication>

namespace zel {

// Both pages list the types; the Notifications page is where the user sees them.
QStringList localNotificationTypes()
{
    static constexpr const char* kTypes[] = {
        //: Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).
        QT_TRANSLATE_NOOP("CNotificationsPage", "None"),
        //: Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).
        QT_TRANSLATE_NOOP("CNotificationsPage", "MSG Light 1"),
        //: Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).
        QT_TRANSLATE_NOOP("CNotificationsPage", "MSG Light 2"),
        //: Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).
        QT_TRANSLATE_NOOP("CNotificationsPage", "Sign Rings"),
        //: Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).
        QT_TRANSLATE_NOOP("CNotificationsPage", "Rings"),
    };
    QStringList types;
    for (const char* type : kTypes)
        types.append(QCoreApplication::translate("CNotificationsPage", type));
    return types;
}

void selectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

bool showPageHelp(const zel::Dialog& page, const zel::HelpInfo& info)
{
    if (info.kind != zel::HelpInfo::Window || !info.control)
        return true;
    zel::showHelpPopup(info.control, zel::res::contextHelpText(page.helpContextOf(info.controlId)));
    return true;
}

void nameAfterLabels(const zel::Dialog& page, std::span<const AccessibleLabel> pairs)
{
    for (const AccessibleLabel& pair : pairs)
        page.GetDlgItem(pair.controlId)->setAccessibleName(page.GetDlgItemText(pair.labelId));
}

} // namespace zel
