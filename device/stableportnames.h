#pragma once

#include <QString>
#include <QStringList>

// Names of a serial device that survive renumbering. USB serial adapters get
// the next free number when they appear (ttyUSB0 becomes ttyUSB1 after a
// re-plug), but udev also keeps symbolic links to each of them: under
// /dev/serial/by-id one named after the adapter's maker, model and serial
// number, under /dev/serial/by-path one named after the USB socket.

// The folders searched for such links, by-id first.
QStringList stableLinkFolders();

struct StableLinks {
    // The links in the folders that lead to the device, in the order of the
    // folders and by name within each.
    QStringList names;
    // Links to the device whose names are not valid in the locale's encoding
    // (an adapter's serial number in another encoding), their bytes escaped
    // as \xHH: a name that cannot be carried as text cannot be opened or
    // remembered, so these are only reported.
    QStringList unlisted;
};

// The links in `folders` that lead to the device at `location`; none for a
// port that is no USB adapter, or a system without these folders.
StableLinks stableLinksOf(const QString &location, const QStringList &folders = stableLinkFolders());

// The device a path leads to after every symbolic link is followed, as an
// absolute path; `path` itself when it leads nowhere (a missing device keeps
// the name the user gave, for the message that says so).
QString deviceBehind(const QString &path);
