#pragma once

#include <QByteArray>
#include <QString>

// A profile text for a device on 127.0.0.1:`devicePort`, the mailbox `mailbox` and an
// endpoint on a free local port.
QByteArray profileFor(quint16 devicePort, const QString& mailbox);
