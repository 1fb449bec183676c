#pragma once

#include "device/portrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The port a command-line argument names: a device path or a link to one
// (a stable name under /dev/serial) as the device it leads to, else a port of
// the list by name, else the argument itself as a port name.
PortRecord resolvePort(const QString &argument);

// The ports of several arguments, in their order. Two arguments that lead to
// the same device are refused (two transfers on one line would garble each
// other): `error` then says which, and the list is empty.
QList<PortRecord> resolvePorts(const QStringList &arguments, QString *error);
