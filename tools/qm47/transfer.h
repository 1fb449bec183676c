#pragma once

#include "device/portrecord.h"
#include "device/transferresult.h"

#include <QString>

class ButtonTable;

// The port a command-line argument names: a device path as it is, else a
// port of the list by name, else the argument itself as a port name.
PortRecord resolvePort(const QString &argument);

// Runs one whole readout or transmit on `table`, with the configurator's
// protocol and time-outs, and a progress bar labelled `label`. Returns once
// the end-of-transfer frame has left and the port is closed again, with the
// driver's account of how it ended.
TransferResult runTransfer(const PortRecord &port, TransferDirection direction,
                           ButtonTable &table, const QString &label);
