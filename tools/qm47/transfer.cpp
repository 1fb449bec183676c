#include "transfer.h"

#include "console.h"

#include "config/buttontable.h"
#include "device/portlist.h"
#include "device/transferrunner.h"
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
    TransferRunner runner(session);
    ProgressBar bar(label);
    QEventLoop loop;
    bool closed = false;
    QObject::connect(&runner, &TransferRunner::progressed, &loop,
                     [&bar](int done, int total) { bar.show(done, total); });
    QObject::connect(&runner, &TransferRunner::outcomeKnown, &loop, [&bar] { bar.finish(); });
    QObject::connect(&runner, &TransferRunner::finished, &loop, [&] {
        closed = true;
        loop.quit();
    });
    runner.start(port, direction);
    if (!closed)
        loop.exec();
    return runner.outcome();
}
