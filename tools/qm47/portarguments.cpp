#include "portarguments.h"
#include "texts.h"

#include "serial/portlist.h"
#include "device/stableportnames.h"

PortRecord resolvePort(const QString &argument)
{
    PortRecord port;
    port.portName = argument;
    // A device path is opened as it is; reading the port list for it would
    // only make the command slower. A link is followed to its device: the
    // port is locked under the device's own name, so that another program
    // opening it by another name finds it in use.
    if (argument.contains(QLatin1Char('/')) || argument.contains(QLatin1Char('\\'))) {
        port.systemLocation = deviceBehind(argument);
        const StableLinks links = stableLinksOf(port.systemLocation);
        port.stableNames = links.names;
        port.unlistedLinks = links.unlisted;
        return port;
    }
    const QList<PortRecord> ports = availablePorts();
    for (const PortRecord &listed : ports)
        if (listed.portName == argument)
            return listed;
    return port;
}

QList<PortRecord> resolvePorts(const QStringList &arguments, QString *error)
{
    QList<PortRecord> ports;
    for (const QString &argument : arguments) {
        const PortRecord port = resolvePort(argument);
        const QString device = port.systemLocation.isEmpty() ? port.portName : port.systemLocation;
        for (qsizetype i = 0; i < ports.size(); ++i) {
            const PortRecord &earlier = ports.at(i);
            if ((earlier.systemLocation.isEmpty() ? earlier.portName : earlier.systemLocation) == device) {
                *error = Texts::tr("%1 and %2 name the same port").arg(arguments.at(i), argument);
                return {};
            }
        }
        ports.append(port);
    }
    return ports;
}
