#include "device/bytesink.h"

#include <QIODevice>

bool IoDeviceSink::isOpen() const
{
    return device_.isOpen();
}

qint64 IoDeviceSink::write(const char *data, qint64 size)
{
    return device_.write(data, size);
}
