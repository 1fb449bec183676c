#pragma once

#include "device/portrecord.h"

#include <QList>
#include <QString>

// Name of the environment variable that adds device paths to the port list:
// pseudo-terminals (the keypad simulator, socat links, network bridges) are
// not found by the serial port enumeration.
inline constexpr const char ExtraPortsVariable[] = "QM47_EXTRA_PORTS";

// Port records for a ':'-separated list of device paths; empty entries are
// skipped. Each record's name and system location are the path.
QList<PortRecord> extraPortsFrom(const QString &pathList);
