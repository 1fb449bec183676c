#include "file/atomicwrite.h"

#include <QSaveFile>

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a failing write (disk full, size limit) shows in
    // write() itself: commit() does not notice a failure of its own final
    // flush and would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
