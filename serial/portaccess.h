#pragma once

#include <QSerialPort>
#include <QString>

// Why a serial port could not be opened, in the terms the user can act on.
enum class PortProblem {
    None,
    Busy,         // another program holds the port
    NoPermission, // this user may not open the device
    Missing,      // there is no such device
    Other,
};

struct PortFailure {
    PortProblem problem = PortProblem::None;
    QString location; // the device that was tried
    QString reason;   // the system's words for it
    QString group;    // NoPermission: the group whose members may open the device
};

// Tells a failed open of the device at `location` apart by the port's error
// and the device itself: a port library reports a port locked by another
// program and a device the user may not open with the same error.
PortFailure describeOpenFailure(QSerialPort::SerialPortError error, const QString &reason,
                                const QString &location);

// False when this user may not read and write the device at `location`.
// Only Unix-like systems tell; elsewhere every port counts as accessible.
bool userMayOpen(const QString &location);

// The note that follows the description of a port this user may not open.
QString noPermissionNote();
