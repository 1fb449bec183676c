#include "serial/portwatcher.h"

#include "serial/portlist.h"

#include <QDir>

namespace {

QStringList systemDeviceFolders()
{
#ifdef Q_OS_LINUX
    return {QStringLiteral("/dev"), QStringLiteral("/dev/pts")};
#else
    return {};
#endif
}

bool sameList(const QList<PortRecord> &a, const QList<PortRecord> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!(a.at(i) == b.at(i)) || a.at(i).accessible != b.at(i).accessible)
            return false;
    return true;
}

} // namespace

PortWatcher::PortWatcher(QObject *parent)
    : PortWatcher(availablePorts, systemDeviceFolders(), parent)
{
}

PortWatcher::PortWatcher(Lister lister, const QStringList &folders, QObject *parent)
    : QObject(parent)
    , lister_(std::move(lister))
    , folders_(folders)
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &PortWatcher::check);
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, &PortWatcher::check);
}

void PortWatcher::start(const QList<PortRecord> &shown)
{
    stop();
    known_ = shown;
    active_ = true;
    QStringList present;
    for (const QString &folder : folders_)
        if (QDir(folder).exists())
            present.append(folder);
    if (!present.isEmpty()) {
        // Made anew for each run: a stopped watcher holds no system watch.
        folderWatcher_ = new QFileSystemWatcher(this);
        if (folderWatcher_->addPaths(present).size() < present.size()) {
            connect(folderWatcher_, &QFileSystemWatcher::directoryChanged, &settle_,
                    qOverload<>(&QTimer::start));
            return;
        }
        delete folderWatcher_;
        folderWatcher_ = nullptr;
    }
    poll_.start();
}

void PortWatcher::stop()
{
    active_ = false;
    settle_.stop();
    poll_.stop();
    delete folderWatcher_;
    folderWatcher_ = nullptr;
}

void PortWatcher::check()
{
    if (!active_)
        return;
    const QList<PortRecord> ports = lister_();
    if (sameList(ports, known_))
        return;
    known_ = ports;
    Q_EMIT portsChanged(ports);
}
