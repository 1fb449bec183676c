#include "file/streamoutput.h"

#include "file/descriptorwrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The descriptor that /dev/stdout, /dev/fd/N or /proc/self/fd/N names, or -1.
// These are written through the descriptor itself, as shells do: reopening
// them fails for a socket and would start a file redirected with >> afresh.
int namedDescriptor(const QString &path)
{
    if (path == QLatin1String("/dev/stdin"))
        return 0;
    if (path == QLatin1String("/dev/stdout"))
        return 1;
    if (path == QLatin1String("/dev/stderr"))
        return 2;
    static const QRegularExpression numbered(QStringLiteral("^/(?:dev/fd|proc/self/fd)/(\\d{1,9})$"));
    const QRegularExpressionMatch match = numbered.match(path);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The same for a symbolic link to one of those names.
int descriptorBehind(const QString &path)
{
    const int named = namedDescriptor(path);
    if (named >= 0)
        return named;
    char target[256];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target - 1);
    if (length <= 0)
        return -1;
    return namedDescriptor(QFile::decodeName(QByteArray(target, int(length))));
}

QString refusalOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISBLK(mode))
        return QStringLiteral("Is a block device");
    return QString();
}

// A connected stream socket to the socket file at `path`, or -1 with errno set.
int connectSocket(const QByteArray &path)
{
    sockaddr_un address{};
    if (path.size() >= int(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Opens the stream at `path` for writing, or -1 with errno set (or a refusal).
int openStream(const QString &path, QString &refusal)
{
    const int named = descriptorBehind(path);
    if (named >= 0)
        return ::fcntl(named, F_DUPFD_CLOEXEC, 0);
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) == 0 && S_ISSOCK(st.st_mode))
        return connectSocket(name);
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    // The path may have been replaced since it was looked at.
    if (fd >= 0 && ::fstat(fd, &st) == 0 && !refusalOf(st.st_mode).isEmpty()) {
        refusal = refusalOf(st.st_mode);
        ::close(fd);
        return -1;
    }
    return fd;
}

#endif // Q_OS_UNIX

} // namespace

OutputTarget outputTarget(const QString &path)
{
    OutputTarget target;
#ifdef Q_OS_UNIX
    if (descriptorBehind(path) >= 0) {
        target.kind = OutputKind::Stream;
        return target;
    }
    struct stat st;
    // Nothing there yet (or no way to look): the regular path reports it.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return target;
    target.refusal = refusalOf(st.st_mode);
    target.kind = target.refusal.isEmpty() ? OutputKind::Stream : OutputKind::Refused;
#else
    Q_UNUSED(path);
#endif
    return target;
}

bool writeStream(const QString &path, const QByteArray &bytes, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
#ifdef Q_OS_UNIX
    QString refusal;
    const int fd = openStream(path, refusal);
    if (fd < 0)
        return fail(refusal.isEmpty() ? systemReason(errno) : refusal);
    int error = writeAllToDescriptor(fd, bytes.constData(), bytes.size());
    struct stat st;
    // Replaced by a regular file since it was looked at: nothing of the old
    // content may remain behind the new.
    if (error == 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && descriptorBehind(path) < 0
        && ::ftruncate(fd, bytes.size()) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error == 0 || fail(systemReason(error));
#else
    Q_UNUSED(path);
    Q_UNUSED(bytes);
    return fail(QCoreApplication::translate("TkfFile", "not a regular file"));
#endif
}
