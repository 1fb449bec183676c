#include "serial/lowlatencymode.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

bool LowLatencyMode::enable(int fd)
{
    changed_ = false;
#ifdef Q_OS_LINUX
    serial_struct serial{};
    if (fd < 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return false;
    previousFlags_ = serial.flags;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return true;
    serial.flags |= ASYNC_LOW_LATENCY;
    if (::ioctl(fd, TIOCSSERIAL, &serial) != 0)
        return false;
    changed_ = true;
    return true;
#else
    Q_UNUSED(fd);
    return false;
#endif
}

void LowLatencyMode::restore(int fd)
{
#ifdef Q_OS_LINUX
    serial_struct serial{};
    if (changed_ && fd >= 0 && ::ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags = previousFlags_;
        ::ioctl(fd, TIOCSSERIAL, &serial);
    }
#else
    Q_UNUSED(fd);
#endif
    changed_ = false;
}
