#include "device/portmatch.h"

int rowToPreselect(const QList<PortRecord> &ports, const PortRecord &remembered)
{
    const QString stable = remembered.stableName();
    int match = -1;
    for (int row = 0; row < ports.size(); ++row) {
        const PortRecord &port = ports.at(row);
        if (stable.isEmpty() ? port.portName == remembered.portName : port.stableNames.contains(stable))
            match = row;
    }
    return match;
}
