#pragma once

#include "platform/Dialog.h"
#include "platform/Ipv4AddressEdit.h"

#include <QByteArray>
#include <QString>
#include <QTabBar>

// A profile text for a device on 127.0.0.1:`devicePort`, the mailbox `mailbox` and an
// endpoint on a free local port.
QByteArray profileFor(quint16 devicePort, const QString& mailbox);

// Controls reached by their ids: the main window's tabs, the data-initialising dialog's address.
QTabBar* mainTabs(const zel::Dialog& mainWindow);
zel::Ipv4AddressEdit* addressEdit(const zel::Dialog& dataInit);
// Types the four parts of an address over the "0" each field holds to start with.
void typeAddress(const zel::Dialog& dataInit, const QStringList& fields);

// Whether the About entry can be chosen: on Windows only with a native window, not offscreen.
bool hasSystemMenu();

// Chooses "&About Zel..." where the platform puts it: in the system menu on Windows, where the
// command arrives as a native message; in the title banner's context menu elsewhere. Returns the
// entry's text.
QString chooseAboutEntry(QWidget* mainWindow);

// The ways in that Windows hands a window natively, past Qt's input handling: the system
// menu's About, its Close (as Alt+F4 and the close box send it) and the Escape key. Posted, and
// handled by the time this returns. Does nothing elsewhere.
void sendNativeCommands(QWidget* window);
