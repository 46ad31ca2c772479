#include "ExchangeTestSupport.h"

#include <QEvent>
#include <QWidget>

namespace DeviceBytes {

QByteArray reply(const QByteArray& slots, int status, const QByteArray& body, int length)
{
    QByteArray bytes = QByteArrayLiteral("!!V") + slots;
    if (length < 0)
        length = int(1 + body.size());
    bytes.append(char(length >> 8)).append(char(length & 0xFF)).append(char(status));
    return bytes + body;
}

QByteArray acknowledgement(const QByteArray& slots, int status, int length)
{
    return reply(slots, status, {}, length);
}

QByteArray recordBody(int telephoneLength)
{
    QByteArray body;
    body += QByteArray::fromHex("00");             // no e-mail block
    body += QByteArray::fromHex("03010001");       // operator extension 1: 101
    body += QByteArray::fromHex("00000000000000"); // operator extensions 2 to 8
    body += QByteArray::fromHex("00000000");       // fax extensions
    body += QByteArray::fromHex("010205");         // language codes
    body += QByteArray::fromHex("0203");           // new, saved messages
    body += QByteArray::fromHex("00000000");       // reserved
    body += QByteArray::fromHex("00"
                                "00"
                                "0000");         // accept-calls, flags, flags word
    body += QByteArray::fromHex("01020304");     // password 1234
    body += QByteArray::fromHex("ffffffffffff"); // notify extension: none
    body += QByteArray::fromHex("ffffffffffff"
                                "00"); // backup extension, 0 digits
    body += QByteArray::fromHex("00"
                                "04"
                                "11"); // operator index, no fax, 10 max
    body += char(telephoneLength) + QByteArray(telephoneLength, char(1));
    body += QByteArray::fromHex("00"
                                "00"); // pager, SMS
    return body;
}

} // namespace DeviceBytes

void openLink(DeviceLink& link, quint16 devicePort)
{
    link.setLocalPort(0);
    link.setDevice(QStringLiteral("127.0.0.1"), devicePort);
    link.createSocket();
}

ExchangeBench::ExchangeBench() : link(std::make_unique<DeviceLink>())
{
    m_startSeconds = clock.seconds();
    boxes.onShown = [this](const zel::MessageBox::Shown&) { m_lastBoxSeconds = clock.seconds(); };
    openLink(*link, device.port());
}

ShowCounter::ShowCounter(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool ShowCounter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show)
        ++shows;
    return false;
}
