#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <grp.h>
#include <unistd.h>

// Child processes as the unprivileged user "nobody", so that tests run by
// root can meet a device an ordinary user may not open.
namespace AsNobody {

constexpr uid_t Id = 65534;

// Why children cannot be started as nobody; empty when they can. With a
// `program`, nobody must also be able to reach and run it: a checkout in a
// private folder (such as one made by mktemp -d) is closed to other users.
inline QString unavailable(const QString &program = QString())
{
    if (::geteuid() != 0)
        return QStringLiteral("not run as root: privileges cannot be dropped");
    if (program.isEmpty())
        return QString();
    QFileInfo step(QFileInfo(program).absoluteFilePath());
    if (!(step.permissions() & QFileDevice::ExeOther))
        return program + QStringLiteral(" may not be run by other users");
    for (QDir dir = step.absoluteDir();; ) {
        if (!(QFileInfo(dir.absolutePath()).permissions() & QFileDevice::ExeOther))
            return dir.absolutePath() + QStringLiteral(" is closed to other users");
        if (!dir.cdUp())
            return QString();
    }
}

// `process` will drop root's privileges in the child before it runs.
inline void apply(QProcess &process)
{
    process.setChildProcessModifier([] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(Id) != 0 || ::setuid(Id) != 0)
            ::_exit(126);
    });
}

} // namespace AsNobody
