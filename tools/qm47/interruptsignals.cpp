#include "interruptsignals.h"

#include <QSocketNotifier>

#include <csignal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

volatile std::sig_atomic_t firstSignal = 0;

#ifdef Q_OS_UNIX
// The handler may do next to nothing: it writes the signal's number into a
// pipe whose other end the event loop watches.
int pipeEnds[2] = {-1, -1};

// The signals that end a transfer cleanly, with what they did before.
struct Caught {
    int number;
    bool installed;
    struct sigaction previous;
};
Caught caught[] = {{SIGHUP, false, {}}, {SIGINT, false, {}}, {SIGTERM, false, {}}};

void onSignal(int number)
{
    if (firstSignal == 0)
        firstSignal = number;
    const int savedErrno = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}
#endif

} // namespace

InterruptSignals::InterruptSignals(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::pipe(pipeEnds) != 0)
        return;
    for (int end : pipeEnds) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &InterruptSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (Caught &signal : caught) {
        // A signal ignored when the program started stays ignored: nohup
        // and the shell's background jobs rely on it.
        ::sigaction(signal.number, nullptr, &signal.previous);
        signal.installed = signal.previous.sa_handler != SIG_IGN;
        if (signal.installed)
            ::sigaction(signal.number, &action, nullptr);
    }
#endif
}

InterruptSignals::~InterruptSignals()
{
#ifdef Q_OS_UNIX
    if (!notifier_)
        return;
    for (Caught &signal : caught) {
        if (signal.installed)
            ::sigaction(signal.number, &signal.previous, nullptr);
        signal.installed = false;
    }
    delete notifier_;
    for (int &end : pipeEnds) {
        ::close(end);
        end = -1;
    }
#endif
}

int InterruptSignals::caughtSignal()
{
    return firstSignal;
}

int InterruptSignals::exitStatus()
{
    return 128 + firstSignal;
}

int InterruptSignals::exitStatusOr(int status)
{
    return firstSignal != 0 ? exitStatus() : status;
}

void InterruptSignals::readPipe()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        Q_EMIT interrupted(int(byte));
#endif
}
