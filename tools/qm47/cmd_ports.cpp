// qm47 ports: the serial ports the configurator's port dialog would list.
#include "command.h"
#include "console.h"
#include "jsonoutput.h"
#include "texts.h"

#include "serial/portaccess.h"
#include "serial/portlist.h"

#include <QJsonArray>

namespace {

QJsonObject portJson(const PortRecord &port)
{
    return {{QStringLiteral("port"), port.portName},
            {QStringLiteral("location"), port.systemLocation},
            {QStringLiteral("stable_name"), textOrNull(port.stableName())},
            {QStringLiteral("stable_names"), QJsonArray::fromStringList(port.stableNames)},
            {QStringLiteral("unlisted_links"), QJsonArray::fromStringList(port.unlistedLinks)},
            {QStringLiteral("description"), port.description},
            {QStringLiteral("manufacturer"), port.manufacturer},
            {QStringLiteral("accessible"), port.accessible}};
}

int runPorts(const Invocation &invocation)
{
    const QList<PortRecord> ports = availablePorts();
    if (invocation.isSet(QStringLiteral("json"))) {
        QJsonArray list;
        for (const PortRecord &port : ports)
            list.append(portJson(port));
        printJson({{QStringLiteral("command"), QStringLiteral("ports")},
                   {QStringLiteral("ports"), list}});
    }
    for (const PortRecord &port : ports) {
        if (invocation.isSet(QStringLiteral("json")))
            break;
        QStringList description{port.description};
        if (!port.accessible)
            description << noPermissionNote();
        description.removeAll(QString());
        out() << port.portName << '\t' << description.join(QLatin1Char(' '));
        // The names that survive renumbering, where the port has any.
        if (!port.stableNames.isEmpty())
            out() << '\t' << port.stableNames.join(QLatin1Char(' '));
        out() << '\n';
        for (const QString &link : port.unlistedLinks)
            err() << "qm47: "
                  << Texts::tr("%1 leads to %2 but is left out: the name is not valid in the "
                               "system's character encoding")
                         .arg(link, port.portName)
                  << Qt::endl;
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
        "marked \"[no permission]\" (see \"Serial port access on Linux\" in the README).\n"
        "A port with names that survive renumbering (the links to it under\n"
        "/dev/serial/by-id and /dev/serial/by-path) gets a further tab and these\n"
        "names, separated by spaces; give one of them as PORT where adapters are\n"
        "plugged in and out. A link whose name is not valid in the system's character\n"
        "encoding cannot be given as PORT; it is named on standard error instead, with\n"
        "its other bytes written as \\xHH (\"unlisted_links\" in JSON).\n");
    c.options = {{QStringLiteral("json"), QString(),
                  Texts::tr("Print the list as a JSON document.")}};
    c.run = runPorts;
    return c;
}
