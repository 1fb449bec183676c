#pragma once

#include "device/portrecord.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Follows the serial ports that appear and disappear (an adapter plugged in
// or pulled) while it runs, and costs nothing while it is stopped. Where the
// system shows its devices as files (/dev and /dev/pts on Linux) it reads the
// list again a moment after a folder changed; elsewhere it reads it every
// PollMs.
class PortWatcher : public QObject
{
    Q_OBJECT

public:
    using Lister = std::function<QList<PortRecord>()>;

    // How long a device folder must be still before the list is read: a
    // device node gets its name, group and rights in several steps.
    static constexpr int SettleMs = 300;
    static constexpr int PollMs = 1000;

    // Watches the system's ports (availablePorts()).
    explicit PortWatcher(QObject *parent = nullptr);
    // Watches what `lister` returns, reading it again when one of `folders`
    // changes, or every PollMs when none can be watched.
    PortWatcher(Lister lister, const QStringList &folders, QObject *parent = nullptr);

    // Starts following, taking `shown` as the list known so far.
    void start(const QList<PortRecord> &shown);
    void stop();
    bool isActive() const { return active_; }

Q_SIGNALS:
    // The list differs from the one known before (ports, names, rights).
    void portsChanged(const QList<PortRecord> &ports);

private:
    void check();

    Lister lister_;
    QStringList folders_;
    QFileSystemWatcher *folderWatcher_ = nullptr;
    QTimer settle_;
    QTimer poll_;
    QList<PortRecord> known_;
    bool active_ = false;
};
