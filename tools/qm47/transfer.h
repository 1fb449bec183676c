#pragma once

#include "device/framelayer.h"
#include "device/portrecord.h"
#include "device/transfermessages.h"

#include <QString>

class ButtonTable;

// The port a command-line argument names: a port of the list (by name or
// system location), else the argument itself as a device path or port name.
PortRecord resolvePort(const QString &argument);

// Runs one whole readout or transmit on `table`, with the configurator's
// protocol and time-outs, and a progress bar labelled `label`. Returns once
// the end-of-transfer frame has left and the port is closed again.
TransferOutcome runTransfer(const PortRecord &port, TransferDirection direction,
                            ButtonTable &table, const QString &label);
