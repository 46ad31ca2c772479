#include "DatagramLog.h"

#include <QHostAddress>
#include <cstdio>

namespace {

constexpr qsizetype kHexLimit = 256;

// The number in the mailbox slots, read the lenient way a receiver reads it.
QString slotsNumber(const QByteArray& datagram)
{
    QString number;
    for (qsizetype i = 3; i < qMin<qsizetype>(datagram.size(), 9); ++i) {
        const int digit = quint8(datagram.at(i));
        if (digit > 9)
            break;
        number.append(QChar(u'0' + digit));
    }
    return number.isEmpty() ? QStringLiteral("(none)") : number;
}

int lengthField(const QByteArray& datagram)
{
    return quint8(datagram.at(9)) << 8 | quint8(datagram.at(10));
}

QString hex(const QByteArray& datagram)
{
    QString text = QString::fromLatin1(datagram.left(kHexLimit).toHex(' '));
    if (datagram.size() > kHexLimit)
        text += QStringLiteral(" ... (%1 more)").arg(datagram.size() - kHexLimit);
    return text;
}

} // namespace

namespace DatagramLog {

QString summary(const QByteArray& datagram)
{
    if (datagram.isEmpty())
        return QStringLiteral("empty datagram");
    const QString mailbox = slotsNumber(datagram);
    if (datagram.startsWith("!!?"))
        return QStringLiteral("view request, mailbox %1").arg(mailbox);
    if (datagram.size() < 12)
        return QStringLiteral("short datagram");
    const int length = lengthField(datagram);
    const int status = quint8(datagram.at(11));
    if (datagram.startsWith("!!S"))
        return QStringLiteral("apply request, mailbox %1, length %2").arg(mailbox).arg(length);
    if (datagram.startsWith("!!V") && length == 1)
        return QStringLiteral("header only, mailbox %1, status %2").arg(mailbox).arg(status);
    if (datagram.startsWith("!!V"))
        return QStringLiteral("view reply, mailbox %1, status %2, length %3")
            .arg(mailbox)
            .arg(status)
            .arg(length);
    return QStringLiteral("unknown magic");
}

QString line(const char* direction, const QHostAddress& peer, quint16 port,
             const QByteArray& datagram)
{
    return QStringLiteral("%1 %2:%3 %4 bytes: %5 | %6")
        .arg(QLatin1String(direction), peer.toString())
        .arg(port)
        .arg(datagram.size())
        .arg(summary(datagram), hex(datagram));
}

void write(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace DatagramLog
