#include "serial/portaccess.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Serial devices on Linux distributions usually belong to this group.
constexpr char UsualSerialGroup[] = "dialout";

} // namespace

bool userMayOpen(const QString &location)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFileInfo(location).absoluteFilePath().toLocal8Bit();
    return ::access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES;
#else
    Q_UNUSED(location);
    return true;
#endif
}

QString noPermissionNote()
{
    return QCoreApplication::translate("comPort", "[no permission]");
}

PortFailure describeOpenFailure(QSerialPort::SerialPortError error, const QString &reason,
                                const QString &location)
{
    PortFailure failure;
    failure.location = location;
    failure.reason = reason;
    const QFileInfo device(location);
    if (error == QSerialPort::DeviceNotFoundError) {
        failure.problem = PortProblem::Missing;
    } else if (error == QSerialPort::PermissionError) {
#ifdef Q_OS_UNIX
        // The lock of another program reads as a permission error too.
        failure.problem = userMayOpen(location) ? PortProblem::Busy : PortProblem::NoPermission;
#else
        // Windows denies access to a port that another program has open.
        failure.problem = PortProblem::Busy;
#endif
    } else {
        failure.problem = PortProblem::Other;
    }
    if (failure.problem == PortProblem::NoPermission) {
        // Joining root's group is no advice; the device is then meant for
        // the usual group of serial ports.
        const QString owner = device.group();
        failure.group = owner.isEmpty() || owner == QLatin1String("root")
                            ? QString::fromLatin1(UsualSerialGroup)
                            : owner;
    }
    return failure;
}
