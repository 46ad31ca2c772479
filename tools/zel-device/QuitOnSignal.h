#pragma once

class QCoreApplication;

// Ends the event loop on SIGINT or SIGTERM (on Windows: Ctrl+C, Ctrl+Break, or the WM_CLOSE that
// QProcess::terminate() posts) instead of dying mid-handler, so that the datagram being answered
// is answered and logged in full.
void quitOnTerminationSignals(QCoreApplication& app);
