#include "transfer.h"

#include "console.h"

#include "config/buttontable.h"
#include "device/portlist.h"
#include "device/transferdriver.h"
#include "device/transfersession.h"

#include <QEventLoop>

PortRecord resolvePort(const QString &argument)
{
    PortRecord port;
    port.portName = argument;
    // A device path is opened as it is; reading the port list for it would
    // only make the command slower.
    if (argument.contains(QLatin1Char('/')) || argument.contains(QLatin1Char('\\'))) {
        port.systemLocation = argument;
        return port;
    }
    const QList<PortRecord> ports = availablePorts();
    for (const PortRecord &listed : ports)
        if (listed.portName == argument)
            return listed;
    return port;
}

TransferResult runTransfer(const PortRecord &port, TransferDirection direction,
                           ButtonTable &table, const QString &label)
{
    TransferSession session(table);
    TransferDriver driver(session, ClosePolicy::DrainThenClose);
    ProgressBar bar(label);
    QEventLoop loop;
    QObject::connect(&driver, &TransferDriver::progressed, &loop,
                     [&bar](int done, int total) { bar.show(done, total); });
    QObject::connect(&driver, &TransferDriver::concluded, &loop, [&bar] { bar.finish(); });
    QObject::connect(&driver, &TransferDriver::closed, &loop, &QEventLoop::quit);
    driver.start(port, direction);
    if (driver.isRunning())
        loop.exec();
    return driver.result();
}
