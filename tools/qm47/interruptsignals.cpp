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
struct sigaction previousInt;
struct sigaction previousTerm;

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
    ::sigaction(SIGINT, &action, &previousInt);
    ::sigaction(SIGTERM, &action, &previousTerm);
#endif
}

InterruptSignals::~InterruptSignals()
{
#ifdef Q_OS_UNIX
    if (!notifier_)
        return;
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGTERM, &previousTerm, nullptr);
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

void InterruptSignals::readPipe()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        Q_EMIT interrupted(int(byte));
#endif
}
