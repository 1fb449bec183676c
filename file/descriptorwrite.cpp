#include "file/descriptorwrite.h"

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <csignal>
#include <ctime>
#include <pthread.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN
namespace {

// Blocks SIGPIPE on this thread while it lives; a SIGPIPE raised meanwhile by
// a write is taken off again, so that only the write's EPIPE remains.
class PipeSignalBlock
{
public:
    PipeSignalBlock()
    {
        sigemptyset(&pipeOnly_);
        sigaddset(&pipeOnly_, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        sigpending(&pending);
        alreadyPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeOnly_, &previous_);
    }
    ~PipeSignalBlock()
    {
        if (raised_ && !alreadyPending_) {
            const timespec noWait{0, 0};
            while (sigtimedwait(&pipeOnly_, nullptr, &noWait) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    PipeSignalBlock(const PipeSignalBlock &) = delete;
    PipeSignalBlock &operator=(const PipeSignalBlock &) = delete;

    void noteRaised() { raised_ = true; }

private:
    sigset_t pipeOnly_;
    sigset_t previous_;
    bool alreadyPending_ = false;
    bool raised_ = false;
};

} // namespace
#endif

int writeAllToDescriptor(int fd, const char *data, qint64 size)
{
#ifdef Q_OS_WIN
    while (size > 0) {
        const unsigned chunk = unsigned(qMin<qint64>(size, 1 << 30));
        const int written = _write(fd, data, chunk);
        if (written < 0)
            return errno != 0 ? errno : EIO;
        data += written;
        size -= written;
    }
    return 0;
#else
    PipeSignalBlock block;
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            if (error == EPIPE)
                block.noteRaised();
            return error;
        }
        if (written == 0)
            return EIO;
        data += written;
        size -= written;
    }
    return 0;
#endif
}
