#include "transfer.h"

#include "console.h"

#include "config/buttontable.h"
#include "device/portlist.h"
#include "device/transferdriver.h"
#include "device/transfersession.h"

#include <QEventLoop>

PortRecord resolvePort(const QString &argument)
{
    const QList<PortRecord> ports = availablePorts();
    for (const PortRecord &port : ports)
        if (port.portName == argument || port.systemLocation == argument)
            return port;
    PortRecord port;
    port.portName = argument;
    if (argument.contains(QLatin1Char('/')) || argument.contains(QLatin1Char('\\')))
        port.systemLocation = argument;
    return port;
}

TransferOutcome runTransfer(const PortRecord &port, TransferDirection direction,
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
    return driver.outcome();
}
