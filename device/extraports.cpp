#include "device/extraports.h"

#include <QCoreApplication>

QList<PortRecord> extraPortsFrom(const QString &pathList)
{
    QList<PortRecord> ports;
    const QStringList paths = pathList.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &raw : paths) {
        const QString path = raw.trimmed();
        if (path.isEmpty())
            continue;
        PortRecord port;
        port.portName = path;
        port.systemLocation = path;
        port.description = QCoreApplication::translate("comPort", "Additional port");
        ports.append(port);
    }
    return ports;
}
