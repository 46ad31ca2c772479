#pragma once

#include <QString>
#include <optional>

class QCommandLineParser;

// The ways the simulator can be told to misbehave, for testing how Zel copes.
struct FaultOptions
{
    enum class Requests
    {
        All,
        View,
        Apply
    };

    bool noReply = false;
    int delayMs = 0;
    bool badMagic = false;
    std::optional<int> status; // forced status byte
    bool bareAck = false;      // view requests get status 0 with length 1
    std::optional<int> truncateTo;
    bool oversize = false;
    bool emptyDatagram = false;
    bool otherPort = false;
    bool otherMailbox = false; // acknowledgements name another mailbox
    Requests appliesTo = Requests::All;
    std::optional<int> count; // only the first `count` matching requests misbehave

    static void addOptions(QCommandLineParser& parser);
    // The options given on the command line; on bad input `error` says why.
    static std::optional<FaultOptions> fromParser(const QCommandLineParser& parser, QString& error);
};
