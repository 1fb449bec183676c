#pragma once

#include <QString>
#include <QStringList>

// What the configurator keeps of a serial port: enough to show it in the port
// list and to open it again by its system location.
struct PortRecord {
    QString portName;
    QString systemLocation;
    QString description;
    QString manufacturer;
    // False when this user may not open the port (see userMayOpen). Not part
    // of the port's identity.
    bool accessible = true;
    // Links to the device that survive renumbering, by-id ones first (see
    // stableLinksOf). Found anew with the port list; not part of the
    // port's identity either.
    QStringList stableNames;
    // Links to the device whose names this system's encoding cannot carry,
    // with those bytes escaped: shown so the user knows why they are missing
    // from stableNames, never opened or remembered.
    QStringList unlistedLinks;

    // The name to remember the port by: its first stable name, else empty.
    QString stableName() const { return stableNames.value(0); }

    bool isEmpty() const { return portName.isEmpty() && systemLocation.isEmpty(); }
    bool operator==(const PortRecord &o) const
    {
        return portName == o.portName && systemLocation == o.systemLocation
            && description == o.description && manufacturer == o.manufacturer;
    }
};
