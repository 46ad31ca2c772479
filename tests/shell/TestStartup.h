#pragma once

#include <QObject>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profilePathFollowsConfigFolder();
    void noProfileAsksAndSavesThreeKeys();
    void oneValueMissingStillAsks_data();
    void oneValueMissingStillAsks();
    void cancellingShutsDownAndWritesNothing();
    void completeProfileIsNotRewritten();
    void endpointInUseEndsBeforeShowing();
    void portOutOfRangeEndsBeforeAsking_data();
    void portOutOfRangeEndsBeforeAsking();
    void demoProfileIsReadAsMeant();
};
