#include "CAboutDlg.h"

#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "shell/AppInfo.h"

#include <QStringList>

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(zel::res::aboutDialog(), parent) {}

// The version stays out of the translations, so that a new one needs no translator; it is
// written with a two-digit minor number ("1.02.0"), as Zel has always shown it.
bool CAboutDlg::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    QStringList parts = QString::fromLatin1(zel::appInfo::version).split(u'.');
    if (parts.size() > 1)
        parts[1] = parts[1].rightJustified(2, u'0');
    SetDlgItemText(zel::IDC_ABOUT_VERSION,
                   GetDlgItemText(zel::IDC_ABOUT_VERSION).arg(parts.join(u'.')));
    return result;
}
