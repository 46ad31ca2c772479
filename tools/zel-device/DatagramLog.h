#pragma once

#include <QByteArray>
#include <QString>

class QHostAddress;

// One log line per datagram: direction, peer, size, a short decoded summary and the bytes in hex.
namespace DatagramLog {

QString summary(const QByteArray& datagram);
QString line(const char* direction, const QHostAddress& peer, quint16 port,
             const QByteArray& datagram);
void write(const QString& line);

} // namespace DatagramLog
