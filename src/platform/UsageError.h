#pragma once

class QString;

namespace zel {

// Tells a mistake on the command line: on standard error, or on Windows, where a program started
// from Explorer or a console that does not wait for it has nowhere to print, in a message box,
// as Qt's parser tells its help there.
void reportUsageError(const QString& message);

} // namespace zel
