// qm47 ports: the serial ports the configurator's port dialog would list.
#include "command.h"
#include "console.h"
#include "texts.h"

#include "device/portaccess.h"
#include "device/portlist.h"

namespace {

int runPorts(const Invocation &)
{
    const QList<PortRecord> ports = availablePorts();
    for (const PortRecord &port : ports) {
        QStringList description{port.description};
        if (!port.accessible)
            description << noPermissionNote();
        description.removeAll(QString());
        out() << port.portName << '\t' << description.join(QLatin1Char(' ')) << '\n';
    }
    if (ports.isEmpty())
        err() << "qm47: " << Texts::tr("no serial ports found") << Qt::endl;
    return ExitSuccess;
}

} // namespace

Command portsCommand()
{
    Command c;
    c.name = QStringLiteral("ports");
    c.summary = Texts::tr("List the serial ports that PORT can name.");
    c.description = Texts::tr(
        "Lists the ports that the configurator's port dialog offers, one a line: the\n"
        "port's name, a tab and its description. These are the serial ports found on\n"
        "this computer, then the device paths named in the environment variable\n"
        "QM47_EXTRA_PORTS (several separated by ':'), such as the pseudo-terminal of\n"
        "the keypad simulator. Any of the names can be given as PORT to \"qm47 read\"\n"
        "and \"qm47 write\"; so can a device path. A port this user may not open is\n"
        "marked \"[no permission]\" (see \"Serial port access on Linux\" in the README).\n");
    c.run = runPorts;
    return c;
}
