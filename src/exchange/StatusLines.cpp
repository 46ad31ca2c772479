#include "StatusLines.h"

#include "platform/Dialog.h"
#include "res/resource.h"

#include <QCoreApplication>

void zel::StatusLines::makeReadable(Dialog& dialog)
{
    using zel::IDC_EXCHANGE_STATUS_LINE1, zel::IDC_EXCHANGE_STATUS_LINE2;
    for (int line : {IDC_EXCHANGE_STATUS_LINE1, IDC_EXCHANGE_STATUS_LINE2})
        dialog.GetDlgItem(line)->setAccessibleName(QString());
    dialog.GetDlgItem(IDC_EXCHANGE_STATUS_LINE1)
        ->setAccessibleDescription(QCoreApplication::translate("StatusLines", "Exchange status"));
    dialog.GetDlgItem(IDC_EXCHANGE_STATUS_LINE2)
        ->setAccessibleDescription(QCoreApplication::translate("StatusLines", "What to do next"));
}
