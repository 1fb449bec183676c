#include "console.h"

#include "command.h"
#include "texts.h"
#include "file/descriptorwrite.h"

#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#define QM47_ISATTY(f) _isatty(_fileno(f))
#define QM47_CLOSE _close
#else
#include <unistd.h>
#define QM47_ISATTY(f) isatty(fileno(f))
#define QM47_CLOSE ::close
#endif

namespace {

constexpr int StandardOutputFd = 1;

// Descriptor 1 without a buffer of its own; the first failure is kept, and
// nothing more is written after it.
class StandardOutputDevice : public QIODevice
{
public:
    StandardOutputDevice() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    int failure() const { return failure_; }
    void noteFailure(int error)
    {
        if (failure_ == 0)
            failure_ = error;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (failure_ != 0)
            return -1;
        noteFailure(writeAllToDescriptor(StandardOutputFd, data, size));
        return failure_ == 0 ? size : -1;
    }

private:
    int failure_ = 0;
};

StandardOutputDevice &outputDevice()
{
    static StandardOutputDevice device;
    return device;
}

} // namespace

QIODevice &standardOutput()
{
    out().flush();
    return outputDevice();
}

QTextStream &out()
{
    static QTextStream stream(&outputDevice());
    return stream;
}

int finishStandardOutput(int status)
{
    out().flush();
    StandardOutputDevice &device = outputDevice();
    // A close can report what a write left pending (a file system that
    // writes on closing).
    if (device.failure() == 0 && QM47_CLOSE(StandardOutputFd) != 0 && errno != EINTR
        && errno != EBADF)
        device.noteFailure(errno);
    if (device.failure() == 0)
        return status;
    if (device.failure() != EPIPE)
        err() << "qm47: " << Texts::tr("standard output") << ": "
              << QString::fromLocal8Bit(std::strerror(device.failure())) << Qt::endl;
    return ExitFailure;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

void useBinaryStandardStreams()
{
#ifdef Q_OS_WIN
    // Windows would turn every 0x0A of a configuration file into 0x0D 0x0A.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

namespace {
constexpr int BarWidth = 30;
} // namespace

ProgressBar::ProgressBar(const QString &label)
    : label_(label)
    , enabled_(QM47_ISATTY(stderr) != 0)
{
}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::show(int done, int total)
{
    if (!enabled_ || total <= 0)
        return;
    const int filled = std::min(BarWidth, BarWidth * done / total);
    err() << '\r' << label_ << " [" << QString(filled, QLatin1Char('#'))
          << QString(BarWidth - filled, QLatin1Char('.')) << "] " << done << '/' << total;
    err().flush();
    drawn_ = true;
}

void ProgressBar::finish()
{
    if (drawn_)
        err() << Qt::endl;
    drawn_ = false;
}
