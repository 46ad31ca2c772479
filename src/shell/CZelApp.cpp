#include "CZelApp.h"

#include "platform/Dialog.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "platform/ProfileFile.h"
#include "res/DialogTemplates.h"
#include "res/HelpText.h"
#include "shell/CZelMainDlg.h"
#include "shell/ProfileKeys.h"

#include <QDir>

void CZelApp::InitInstance()
{
    // Qt starts the sockets library on first use, so there is no separate start-up step.
    zel::fitDialogsToScreen(zel::res::mainDialog());
    CZelMainDlg dlg{profile()};
    zel::setMainWindow(&dlg);
    dlg.DoModal();
    zel::setMainWindow(nullptr);
}

zel::ProfileFile CZelApp::profile()
{
    return profile(zel::windowsDirectory());
}

zel::ProfileFile CZelApp::profile(const QString& directory)
{
    // Without that folder, the profile falls back to one named after the program, as the
    // profile functions themselves would do.
    if (directory.isEmpty())
        return zel::ProfileFile(
            QDir::home().filePath(zel::applicationTitle() + QStringLiteral(".ini")));
    return zel::profileIn(directory, zel::userDataFolder(QStringLiteral("Zel")),
                          QStringLiteral("Zel1.ini"), usersOwnSections());
}

void CZelApp::OnHelp(zel::Dialog& activeDialog)
{
    const int topic = activeDialog.dialogTemplate().id;
    const QString text = zel::res::dialogHelpText(topic);
    if (text.isEmpty())
        return;
    zel::showHelpWindow(zel::res::dialogHelpTitle(topic), text, &activeDialog);
}
