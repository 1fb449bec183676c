#include "serial/portlist.h"

#include "serial/portaccess.h"
#include "device/stableportnames.h"

#include <QSerialPortInfo>

QList<PortRecord> availablePorts()
{
    QList<PortRecord> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        PortRecord port;
        port.portName = info.portName();
        port.systemLocation = info.systemLocation();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        ports.append(port);
    }
    const QList<PortRecord> extra = extraPortsFrom(qEnvironmentVariable(ExtraPortsVariable));
    for (const PortRecord &candidate : extra) {
        const bool known = std::any_of(ports.cbegin(), ports.cend(), [&](const PortRecord &p) {
            return p.systemLocation == candidate.systemLocation;
        });
        if (!known)
            ports.append(candidate);
    }
    for (PortRecord &port : ports) {
        port.accessible = userMayOpen(port.systemLocation);
        const StableLinks links = stableLinksOf(port.systemLocation);
        port.stableNames = links.names;
        port.unlistedLinks = links.unlisted;
    }
    return ports;
}
