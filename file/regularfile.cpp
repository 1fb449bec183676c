#include "file/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool openRegularFile(QFile &file, const QString &path)
{
    // Looked at before opening, so that no device is ever opened.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
#ifdef Q_OS_UNIX
    // The path may be replaced by a FIFO between the look and the opening:
    // opened without blocking and checked again on the open descriptor.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

QString undecodableNameReason(const QString &path)
{
    if (!path.contains(QChar::ReplacementCharacter) || QFileInfo::exists(path))
        return QString();
    return QCoreApplication::translate("TkfFile",
                                       "the name is not valid in the system's character encoding");
}

QString openFailureReason(const QString &path)
{
    if (const QString undecodable = undecodableNameReason(path); !undecodable.isEmpty())
        return undecodable;
    const QFileInfo info(path);
    if (info.isDir())
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("TkfFile", "not a regular file");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}
