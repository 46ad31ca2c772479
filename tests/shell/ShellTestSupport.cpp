#include "ShellTestSupport.h"

#include "shell/ProfileKeys.h"

#include <QVariant>

QByteArray profileFor(quint16 devicePort, const QString& mailbox)
{
    const ProfileConfiguration configuration{QStringLiteral("127.0.0.1"), devicePort, mailbox, 0};
    QString text;
    QString section;
    for (const ProfileKey& key : profileKeys()) {
        if (section != QLatin1String(key.section)) {
            section = QLatin1String(key.section);
            text += u'[' + section + QStringLiteral("]\n");
        }
        const QString value = std::visit(
            [&configuration](auto member) { return QVariant(configuration.*member).toString(); },
            key.value);
        text += QLatin1String(key.key) + u'=' + value + u'\n';
    }
    return text.toLatin1();
}
