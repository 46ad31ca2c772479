#pragma once

#include <QObject>

class TestCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void wholeCycle();
    void deviceWithoutEmail();
    void failingSettingsPageComesToFront();
    void failingNotificationsPageAfterTheWait();
    void applyWithoutEndpointIsRefused();
};
