#pragma once

#include <QtGlobal>

// SO_BROADCAST on a native socket. Kept apart from the rest of the endpoint because the
// system's socket headers must not meet our own OutputDebugStringA.
bool setBroadcastOption(qintptr descriptor, int value);
// False when the read failed; `value` is then left as it was.
bool readBroadcastOption(qintptr descriptor, int& value);
