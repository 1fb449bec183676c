#pragma once

#include "device/portrecord.h"

#include <QList>

// The row of `ports` that stands for `remembered`, the port used last, or -1
// when none does. A port remembered with a stable name is found by that name
// only: a USB adapter renumbered since (ttyUSB0 now ttyUSB1) is found again,
// and another adapter that took its old number is not taken for it. Other
// ports are found by their port name; of equal names the last one wins.
int rowToPreselect(const QList<PortRecord> &ports, const PortRecord &remembered);
