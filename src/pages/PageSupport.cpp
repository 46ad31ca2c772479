#include "PageSupport.h"

#include "res/HelpText.h"

#include <QComboBox>

QStringList localNotificationTypes()
{
    return {QStringLiteral("None"), QStringLiteral("MSG Light 1"), QStringLiteral("MSG Light 2"),
            QStringLiteral("Sign Rings"), QStringLiteral("Rings")};
}

void selectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

bool showPageHelp(const zel::HelpInfo& info, std::span<const zel::HelpPair> pairs)
{
    if (info.kind != zel::HelpInfo::Window || !info.control)
        return true;
    if (const char* topic = zel::res::contextHelpText(zel::helpContextOf(info.controlId, pairs)))
        zel::showHelpPopup(info.control, QString::fromUtf8(topic));
    return true;
}

void nameAfterLabels(const zel::Dialog& page, std::span<const AccessibleLabel> pairs)
{
    for (const AccessibleLabel& pair : pairs)
        page.GetDlgItem(pair.controlId)->setAccessibleName(page.GetDlgItemText(pair.labelId));
}
