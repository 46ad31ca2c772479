#include "CAboutDlg.h"

#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The Windows package ships the licences of the libraries beside the program.
constexpr char kNoticesFile[] = "THIRD-PARTY-NOTICES.txt";
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(zel::res::aboutDialog(), parent)
{
    const QString notices = QString::fromLatin1(kNoticesFile);
    if (QFileInfo::exists(QDir(QCoreApplication::applicationDirPath()).filePath(notices)))
        SetDlgItemText(zel::IDC_ABOUT_NOTICES, tr("Licences: %1").arg(notices));
}
