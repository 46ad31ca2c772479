#pragma once

#include <QObject>

class TestMainDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnSettingsPageWithMailbox();
    void tabsShowExactlyOnePage();
    void offlineYesKeepsWindowAndRefusesApply();
    void offlineNoEndsProgramQuietly();
    void everyWayOutClosesTheSocket_data();
    void everyWayOutClosesTheSocket();
    void aboutEntryOpensAboutBox();
    void helpShowsMainWindowTopic();
    void accessibleNames();
};
