#pragma once

#include <QObject>

class QSocketNotifier;

// While an object of this class lives, SIGHUP, SIGINT and SIGTERM no longer
// end the process: they are reported by interrupted() from the event loop, so
// that a transfer under way can end as a failure does (end-of-transfer frame,
// line drained and closed). A signal that was ignored when the object was
// made stays ignored. The handlers found before are put back on destruction.
// Only one object may live at a time. On systems without these signals
// nothing is caught.
class InterruptSignals : public QObject
{
    Q_OBJECT

public:
    explicit InterruptSignals(QObject *parent = nullptr);
    ~InterruptSignals() override;

    // The first signal caught by any object of this class so far, 0 for none.
    static int caughtSignal();
    // The exit status of a process ended by that signal: 128 plus its number.
    static int exitStatus();
    // exitStatus() when a signal was caught, else `status`: what every
    // command that talks to a keypad exits with.
    static int exitStatusOr(int status);

Q_SIGNALS:
    void interrupted(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *notifier_ = nullptr;
};
