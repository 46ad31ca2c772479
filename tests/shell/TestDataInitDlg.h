#pragma once

#include <QObject>

class TestDataInitDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void atoiRules();
    void addressSplit_data();
    void addressSplit();
    void firstRunAsksForBoth();
    void mailboxErrorSelectsItsText();
    void acceptsEdgeAddresses_data();
    void acceptsEdgeAddresses();
    void mailboxTakesSixCharacters();
    void overlongPortKeepsDialogOpen();
    void cancelWaysEndWithCancel();
    void accessibleNames();
};
