#include "FaultOptions.h"

#include <QCommandLineParser>

namespace {

const QString kNoReply = QStringLiteral("no-reply");
const QString kDelay = QStringLiteral("delay");
const QString kBadMagic = QStringLiteral("bad-magic");
const QString kStatus = QStringLiteral("status");
const QString kBareAck = QStringLiteral("bare-ack");
const QString kTruncate = QStringLiteral("truncate");
const QString kOversize = QStringLiteral("oversize");
const QString kEmpty = QStringLiteral("empty-reply");
const QString kOtherPort = QStringLiteral("other-port");
const QString kOtherMailbox = QStringLiteral("other-mailbox");
const QString kFaultOn = QStringLiteral("fault-on");
const QString kFaultCount = QStringLiteral("fault-count");

std::optional<int> intValue(const QCommandLineParser& parser, const QString& name, int min, int max,
                            QString& error)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < min || value > max) {
        error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                    .arg(name)
                    .arg(min)
                    .arg(max)
                    .arg(parser.value(name));
        return std::nullopt;
    }
    return value;
}

} // namespace

void FaultOptions::addOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {kNoReply, QStringLiteral("Fault: never answer.")},
        {kDelay, QStringLiteral("Fault: wait <ms> milliseconds before each answer."),
         QStringLiteral("ms")},
        {kBadMagic, QStringLiteral("Fault: answers start with \"!!X\" instead of \"!!V\".")},
        {kStatus,
         QStringLiteral("Fault: put <n> (0-255) in every answer's status byte. 1 and 2 turn a "
                        "view reply into a bare header; 3 and above keep the record after it. "
                        "An apply answered with a status other than 0 is not stored."),
         QStringLiteral("n")},
        {kBareAck,
         QStringLiteral("Fault: answer view requests with a bare acknowledgement (status 0, "
                        "length 1).")},
        {kTruncate,
         QStringLiteral("Fault: send only the first <bytes> bytes (at least 1) of each answer; "
                        "the length field is lowered to match, so only the body is cut short."),
         QStringLiteral("bytes")},
        {kOversize, QStringLiteral("Fault: pad each answer with zero bytes to 5000 bytes.")},
        {kEmpty, QStringLiteral("Fault: answer with a zero-byte datagram.")},
        {kOtherPort, QStringLiteral("Fault: answer from another local port.")},
        {kOtherMailbox,
         QStringLiteral("Fault: acknowledgements name another mailbox (last digit changed).")},
        {kFaultOn,
         QStringLiteral("Apply the faults to view requests, apply requests or all (default)."),
         QStringLiteral("view|apply|all"), QStringLiteral("all")},
        {kFaultCount,
         QStringLiteral("Apply the faults to the first <n> such requests only, then behave."),
         QStringLiteral("n")},
    });
}

std::optional<FaultOptions> FaultOptions::fromParser(const QCommandLineParser& parser,
                                                     QString& error)
{
    FaultOptions f;
    f.noReply = parser.isSet(kNoReply);
    f.badMagic = parser.isSet(kBadMagic);
    f.bareAck = parser.isSet(kBareAck);
    f.oversize = parser.isSet(kOversize);
    f.emptyDatagram = parser.isSet(kEmpty);
    f.otherPort = parser.isSet(kOtherPort);
    f.otherMailbox = parser.isSet(kOtherMailbox);

    if (parser.isSet(kDelay)) {
        const auto delay = intValue(parser, kDelay, 0, 600000, error);
        if (!delay)
            return std::nullopt;
        f.delayMs = *delay;
    }
    if (parser.isSet(kStatus) && !(f.status = intValue(parser, kStatus, 0, 255, error)))
        return std::nullopt;
    if (parser.isSet(kTruncate) && !(f.truncateTo = intValue(parser, kTruncate, 1, 65507, error)))
        return std::nullopt;
    if (parser.isSet(kFaultCount) && !(f.count = intValue(parser, kFaultCount, 1, 1000000, error)))
        return std::nullopt;

    const QString target = parser.value(kFaultOn);
    if (target == QStringLiteral("view"))
        f.appliesTo = Requests::View;
    else if (target == QStringLiteral("apply"))
        f.appliesTo = Requests::Apply;
    else if (target != QStringLiteral("all")) {
        error = QStringLiteral("--fault-on must be view, apply or all, not \"%1\"").arg(target);
        return std::nullopt;
    }

    const int shapes =
        int(f.noReply) + int(f.emptyDatagram) + int(f.oversize) + int(f.truncateTo.has_value());
    if (shapes > 1) {
        error = QStringLiteral("choose at most one of --no-reply, --empty-reply, --oversize "
                               "and --truncate");
        return std::nullopt;
    }
    return f;
}
