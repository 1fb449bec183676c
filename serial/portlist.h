#pragma once

#include "device/extraports.h"
#include "device/portrecord.h"

#include <QList>

// The serial ports present, followed by those named in QM47_EXTRA_PORTS
// (a path that the enumeration already lists is not repeated), each marked
// whether this user may open it.
QList<PortRecord> availablePorts();
