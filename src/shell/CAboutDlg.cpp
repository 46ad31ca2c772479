#include "CAboutDlg.h"

#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "shell/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
// The Windows package ships the licences of the libraries beside the program.
constexpr char kNoticesFile[] = "THIRD-PARTY-NOTICES.txt";
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(zel::res::aboutDialog(), parent)
{
    const QString notices = QString::fromLatin1(kNoticesFile);
    if (QFileInfo::exists(QDir(QCoreApplication::applicationDirPath()).filePath(notices)))
        //: About box, third line, 184 x 8 dialog units (about 46 characters); %1 is a file's
        //: name, THIRD-PARTY-NOTICES.txt, beside the program.
        SetDlgItemText(zel::IDC_ABOUT_NOTICES, tr("Licences: %1").arg(notices));
}

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
