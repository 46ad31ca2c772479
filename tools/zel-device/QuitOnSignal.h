#pragma once

class QCoreApplication;

// Ends the event loop on SIGINT or SIGTERM instead of dying mid-handler, so that the datagram
// being answered is answered and logged in full. Does nothing where there are no such signals.
void quitOnTerminationSignals(QCoreApplication& app);
