#include "controllers/usersettings.h"

#include "file/recentfiles.h"

#include <QSettings>

namespace {

const QString Organisation = QStringLiteral("QM-47");
const QString Application = QStringLiteral("qm47-configurator");

} // namespace

QStringList readRecentFiles()
{
    QSettings settings(Organisation, Application);
    QStringList list = settings.value(QStringLiteral("recentFiles")).toStringList();
    list.removeAll(QString());
    return list.mid(0, RecentFileCount);
}

void writeRecentFiles(const QStringList &list)
{
    QSettings settings(Organisation, Application);
    settings.setValue(QStringLiteral("recentFiles"), list);
}

PortRecord readLastPort()
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(QStringLiteral("lastPort"));
    PortRecord port;
    port.portName = settings.value(QStringLiteral("portName")).toString();
    port.systemLocation = settings.value(QStringLiteral("systemLocation")).toString();
    port.description = settings.value(QStringLiteral("description")).toString();
    port.manufacturer = settings.value(QStringLiteral("manufacturer")).toString();
    const QString stable = settings.value(QStringLiteral("stableName")).toString();
    if (!stable.isEmpty())
        port.stableNames = QStringList{stable};
    return port;
}

void writeLastPort(const PortRecord &port)
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(QStringLiteral("lastPort"));
    settings.setValue(QStringLiteral("portName"), port.portName);
    settings.setValue(QStringLiteral("systemLocation"), port.systemLocation);
    settings.setValue(QStringLiteral("description"), port.description);
    settings.setValue(QStringLiteral("manufacturer"), port.manufacturer);
    // The port is found again by this name after its number changed.
    settings.setValue(QStringLiteral("stableName"), port.stableName());
}
