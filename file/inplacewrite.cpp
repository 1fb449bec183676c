#include "file/inplacewrite.h"

#include "file/descriptorwrite.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace
#endif

bool writeFileInPlace(const QString &path, const QByteArray &bytes, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
#ifdef Q_OS_UNIX
    // Not truncated on opening: the old content stays until the room is there.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(systemReason(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QCoreApplication::translate("TkfFile", "not a regular file"));
    }
    const off_t oldSize = st.st_size;
    const off_t newSize = off_t(bytes.size());

    QString unreserved;
    if (newSize > 0) {
        const int reserveError = ::posix_fallocate(fd, 0, newSize);
        if (reserveError == EOPNOTSUPP || reserveError == ENOSYS || reserveError == EINVAL) {
            unreserved = QCoreApplication::translate("TkfFile", " (the file system cannot reserve room in advance; "
                                                                 "the file may have been cut short)");
        } else if (reserveError != 0) {
            // A partial reservation may have made the file longer.
            if (::fstat(fd, &st) == 0 && st.st_size != oldSize) {
                const int cut = ::ftruncate(fd, oldSize);
                Q_UNUSED(cut);
            }
            ::close(fd);
            return fail(systemReason(reserveError)
                        + QCoreApplication::translate("TkfFile", " (the file was left as it was)"));
        }
    }

    int error = writeAllToDescriptor(fd, bytes.constData(), bytes.size());
    if (error == 0 && ::ftruncate(fd, newSize) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error == 0 || fail(systemReason(error) + unreserved);
#else
    Q_UNUSED(path);
    Q_UNUSED(bytes);
    return fail(QCoreApplication::translate("TkfFile", "not supported on this system"));
#endif
}
