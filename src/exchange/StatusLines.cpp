#include "StatusLines.h"

#include "platform/Dialog.h"

void StatusLines::makeReadable(zel::Dialog& dialog)
{
    for (int line : {kLine1, kLine2})
        dialog.GetDlgItem(line)->setAccessibleName(QString());
    dialog.GetDlgItem(kLine1)->setAccessibleDescription(QStringLiteral("Exchange status"));
    dialog.GetDlgItem(kLine2)->setAccessibleDescription(QStringLiteral("What to do next"));
}
