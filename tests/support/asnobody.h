#pragma once

#include <QProcess>
#include <QString>

#include <grp.h>
#include <unistd.h>

// Child processes as the unprivileged user "nobody", so that tests run by
// root can meet a device an ordinary user may not open.
namespace AsNobody {

constexpr uid_t Id = 65534;

// Why children cannot be started as nobody; empty when they can.
inline QString unavailable()
{
    return ::geteuid() == 0 ? QString()
                            : QStringLiteral("not run as root: privileges cannot be dropped");
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
