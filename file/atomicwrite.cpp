#include "file/atomicwrite.h"

#include "file/inplacewrite.h"
#include "file/regularfile.h"
#include "file/streamoutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QCoreApplication::translate("TkfFile", "no file name"));
    // Never a new file under the bytes of a replacement character.
    if (const QString undecodable = undecodableNameReason(path); !undecodable.isEmpty())
        return fail(undecodable);
    const OutputTarget target = outputTarget(path);
    if (target.kind == OutputKind::Refused)
        return fail(target.refusal);
    if (target.kind == OutputKind::Stream)
        return writeStream(path, bytes, reason);

    QSaveFile file(path);
#ifdef Q_OS_UNIX
    // The in-place path below reserves the room before it writes; the saver's
    // own fallback would cut the file first.
    file.setDirectWriteFallback(false);
#else
    file.setDirectWriteFallback(true);
#endif
    // Unbuffered, so that a failing write (disk full, size limit) shows in
    // write() itself: commit() does not notice a failure of its own final
    // flush and would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
#ifdef Q_OS_UNIX
        // No temporary file may be made in the folder: a file that exists is
        // written in place.
        if (QFileInfo(path).isFile())
            return writeFileInPlace(path, bytes, reason);
#endif
        return fail(file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A write cut short after some bytes (a size limit, a full disk) sets
        // no error on the file; the system's last word says why.
        const int systemError = errno;
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                            : systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                               : QCoreApplication::translate("TkfFile", "the file was not written completely");
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
