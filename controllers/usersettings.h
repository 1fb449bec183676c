#pragma once

#include "device/portrecord.h"

#include <QStringList>

// What the configurator keeps between runs, in the user's settings of the
// program (organisation "QM-47", application "qm47-configurator"): the recent
// files and the serial port chosen last.

QStringList readRecentFiles();
void writeRecentFiles(const QStringList &list);

// The port chosen last, with the stable name it had (its only entry of
// stableNames); an empty record when none was kept.
PortRecord readLastPort();
void writeLastPort(const PortRecord &port);
