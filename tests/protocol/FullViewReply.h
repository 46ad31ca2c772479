#pragma once

#include "ByteHelpers.h"

// A full view reply written out by hand, item by item. Every value differs from its
// neighbours and from the values an off-by-one read would pick up.
inline QByteArray fullViewReply()
{
    // clang-format off
    return bytes({
        '!', '!', 'V',                  // 0: magic
        3, 0, 5, 255, 255, 255,         // 3: mailbox 305
        0, 99,                          // 9: length = 110 - 11
        0,                              // 11: status: a record follows
        1,                              // 12: e-mail block present
        3, 1, 0, 1,                     // 13: operator extension 1 "101"
        0,                              // 17: operator extension 2 empty
        7, 9, 8, 7, 6, 5, 4, 3,         // 18: operator extension 3 "9876543"
        1, 2,                           // 26: operator extension 4 "2"
        0,                              // 28: operator extension 5 empty
        2, 5, 5,                        // 29: operator extension 6 "55"
        0,                              // 32: operator extension 7 empty
        4, 7, 0, 0, 7,                  // 33: operator extension 8 "7007"
        2, 4, 1,                        // 38: fax extension 1 "41"
        0,                              // 41: fax extension 2 empty
        3, 3, 3, 3,                     // 42: fax extension 3 "333"
        1, 8,                           // 46: fax extension 4 "8"
        1, 44, 255,                     // 48: language codes
        200,                            // 51: new messages (-56)
        10,                             // 52: saved messages
        0xaa, 0xbb, 0xcc, 0xdd,         // 53: reserved
        7,                              // 57: accept-calls byte: calls accepted
        0xa8,                           // 58: flags byte: virtual, language 2, announcer
        0x80, 0xb4,                     // 59: flags word: external, telephone, e-mail, pager, type 3
        1, 9, 8, 4,                     // 61: password "1984"
        2, 3, 4, 255, 255, 255,         // 65: notify extension "234"
        6, 5, 4, 3, 2, 1,               // 71: backup extension slots
        5,                              // 77: backup extension digits
        6,                              // 78: operator extension position
        2,                              // 79: fax extension: entry 3
        107,                            // 80: max stored messages + 7
        5, 1, 2, 49, 3, 11,             // 81: telephone "12p3#"
        6, 48, 52, 0, 10, 54, 15,       // 87: pager "X$0*QD"
        4, '+', '9', '7', '2',          // 94: SMS "+972"
        9, 'm', 'e', '@', 'z', 'e', 'l', '.', 'i', 'o', // 99: e-mail
        3,                              // 109: message type
    });
    // clang-format on
}

// Pieces of smaller replies, for cases that vary one item.

// A record follows; length 0 always satisfies the header rule.
inline QByteArray recordHeader()
{
    return bytes({'!', '!', 'V', 1, 2, 255, 255, 255, 255, 0, 0, 0});
}

// Eight operator and four fax extensions, all empty.
inline QByteArray emptyLists()
{
    return QByteArray(12, '\0');
}

// Items 4 to 18: languages up to the max stored messages, backup digit count k.
inline QByteArray fixedItems(int backupDigits = 0)
{
    // clang-format off
    return bytes({
        1, 2, 3,                        // language codes
        0, 0,                           // new and saved messages
        0, 0, 0, 0,                     // reserved
        1, 0, 0, 0,                     // accept-calls, flags byte, flags word
        1, 2, 3, 4,                     // password
        255, 255, 255, 255, 255, 255,   // notify extension
        6, 5, 4, 3, 2, 1, backupDigits, // backup extension
        0, 4, 7,                        // operator position, no fax, max 0 + 7
    });
    // clang-format on
}
