#pragma once

#include "device/framelayer.h"
#include "device/portrecord.h"
#include "device/transfermessages.h"

#include <QString>

class ButtonTable;

// The port a command-line argument names: a device path as it is, else a
// port of the list by name, else the argument itself as a port name.
PortRecord resolvePort(const QString &argument);

// Runs one whole readout or transmit on `table`, with the configurator's
// protocol and time-outs, and a progress bar labelled `label`. Returns once
// the end-of-transfer frame has left and the port is closed again. SIGINT and
// SIGTERM meanwhile stop the transfer as a failure ends it (outcome
// Interrupted; InterruptSignals::exitStatus() is the status to exit with).
// `message` receives what the user is told about the outcome, after a
// transmit that ended early with what the keypad may now hold; `link`, when
// given, the frame layer's state at the end (the counts the keypad reported).
TransferOutcome runTransfer(const PortRecord &port, TransferDirection direction,
                            ButtonTable &table, const QString &label, QString *message,
                            LinkState *link = nullptr);
