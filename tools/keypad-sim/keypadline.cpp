#include "keypadline.h"

#include "keypadengine.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

KeypadLine::KeypadLine(KeypadEngine &engine, QObject *parent)
    : QObject(parent)
    , engine_(engine)
{
    paceTimer_.setInterval(1);
    paceTimer_.setTimerType(Qt::PreciseTimer);
    connect(&paceTimer_, &QTimer::timeout, this, &KeypadLine::writeDue);
    inputTimer_.setInterval(1);
    inputTimer_.setTimerType(Qt::PreciseTimer);
    connect(&inputTimer_, &QTimer::timeout, this, &KeypadLine::feedDueInput);

    latencyTimer_.setSingleShot(true);
    latencyTimer_.setTimerType(Qt::PreciseTimer);
    connect(&latencyTimer_, &QTimer::timeout, this, [this] { releaseHeld(held_.size()); });

    receiveTimer_.setSingleShot(true);
    receiveTimer_.setInterval(KeypadEngine::ReceiveTimeoutMs);
    connect(&receiveTimer_, &QTimer::timeout, this, [this] { engine_.abortPartialFrame(); });
}

KeypadLine::~KeypadLine()
{
    close();
}

bool KeypadLine::open(QString *error)
{
    close();
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        if (error)
            *error = QString("openpty failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    // Raw bytes in both directions: no echo, no line editing, no translation;
    // a read returns as soon as one byte is there.
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        ::cfsetispeed(&tio, B115200);
        ::cfsetospeed(&tio, B115200);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);

    master_ = master;
    slave_ = slave;
    slavePath_ = QString::fromLocal8Bit(name);

    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &KeypadLine::readMaster);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, [this] {
        writeNotifier_->setEnabled(false);
        if (!paced_)
            writePending(pending_.size());
    });
    return true;
}

void KeypadLine::close()
{
    paceTimer_.stop();
    inputTimer_.stop();
    latencyTimer_.stop();
    held_.clear();
    inbox_.clear();
    receiveTimer_.stop();
    // Deferred: close() may run inside a notifier's own signal.
    for (QSocketNotifier *notifier : {readNotifier_, writeNotifier_}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    readNotifier_ = nullptr;
    writeNotifier_ = nullptr;
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = -1;
    slave_ = -1;
    pending_.clear();
}

void KeypadLine::readMaster()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            if (paced_) {
                queueInput(QByteArray(buffer, int(n)));
                continue;
            }
            engine_.receive(QByteArray(buffer, int(n)));
            if (engine_.isUnplugged())
                break;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: everything read. Anything else cannot happen while our own
        // slave descriptor is open; stop listening rather than spin.
        if (n == 0 || errno != EAGAIN)
            readNotifier_->setEnabled(false);
        break;
    }
    if (!paced_)
        afterInput();
}

void KeypadLine::queueInput(const QByteArray &bytes)
{
    if (!clock_.isValid())
        clock_.start();
    const double now = clock_.nsecsElapsed() / 1000.0;
    // On an idle line the first byte is in one byte time from now; otherwise
    // it follows the bytes still on the line.
    if (inbox_.isEmpty())
        nextInputDueUs_ = std::max(nextInputDueUs_, now + ByteTimeUs);
    inbox_.append(bytes);
    if (!inputTimer_.isActive())
        inputTimer_.start();
}

void KeypadLine::feedDueInput()
{
    // Bytes due before the middle of the next millisecond go now, so that the
    // 1 ms timer is early as often as late instead of always late.
    const double now = clock_.nsecsElapsed() / 1000.0 + TickSlackUs;
    qsizetype due = 0;
    while (due < inbox_.size() && nextInputDueUs_ <= now) {
        ++due;
        nextInputDueUs_ += ByteTimeUs;
    }
    if (due > 0) {
        const QByteArray bytes = inbox_.left(due);
        inbox_.remove(0, due);
        for (char byte : bytes) {
            engine_.receiveByte(uint8_t(byte));
            if (engine_.isUnplugged())
                break;
        }
        afterInput();
    }
    if (inbox_.isEmpty() || master_ < 0)
        inputTimer_.stop();
}

void KeypadLine::afterInput()
{
    if (engine_.isUnplugged()) {
        close();
        emit unplugged();
        return;
    }
    if (engine_.frameInProgress())
        receiveTimer_.start();
    else
        receiveTimer_.stop();
    if (engine_.hasOutput())
        queueOutput(engine_.takeOutput());
    if (engine_.takeMemoryChanged())
        emit memoryChanged();
}

void KeypadLine::queueOutput(const QByteArray &bytes)
{
    pending_.append(bytes);
    if (!paced_) {
        writePending(pending_.size());
        return;
    }
    if (!paceTimer_.isActive()) {
        if (!clock_.isValid())
            clock_.start();
        // An idle line sends the first byte at once.
        nextByteDueUs_ = std::max(nextByteDueUs_, clock_.nsecsElapsed() / 1000.0);
        paceTimer_.start();
        writeDue();
    }
}

void KeypadLine::writeDue()
{
    const double now = clock_.nsecsElapsed() / 1000.0 + TickSlackUs;
    if (now >= nextByteDueUs_) {
        const qsizetype due = qsizetype((now - nextByteDueUs_) / ByteTimeUs) + 1;
        const qsizetype before = pending_.size();
        writePending(std::min(due, before));
        nextByteDueUs_ += double(before - pending_.size()) * ByteTimeUs;
    }
    if (pending_.isEmpty())
        paceTimer_.stop();
}

void KeypadLine::writePending(qsizetype limit)
{
    if (master_ < 0)
        return;
    qsizetype done = 0;
    if (latencyMs_ > 0) {
        done = limit;
        deliver(pending_.constData(), limit);
    } else {
        done = writeMaster(pending_.constData(), limit);
    }
    pending_.remove(0, done);
    // The terminal's buffer is full: go on when it has room again.
    if (!paced_ && !pending_.isEmpty() && writeNotifier_)
        writeNotifier_->setEnabled(true);
}

void KeypadLine::deliver(const char *data, qsizetype size)
{
    held_.append(data, size);
    while (held_.size() >= AdapterPacketBytes) {
        const qsizetype before = held_.size();
        releaseHeld(AdapterPacketBytes);
        if (held_.size() == before)
            return; // the host takes nothing now; the timer tries again
        // A packet went out: the timer starts afresh for what is left.
        latencyTimer_.stop();
    }
    // The timer runs from the first byte held.
    if (held_.isEmpty())
        latencyTimer_.stop();
    else if (!latencyTimer_.isActive())
        latencyTimer_.start();
}

void KeypadLine::releaseHeld(qsizetype count)
{
    const qsizetype done = writeMaster(held_.constData(), std::min(count, held_.size()));
    held_.remove(0, done);
    if (!held_.isEmpty() && !latencyTimer_.isActive())
        latencyTimer_.start();
}

qsizetype KeypadLine::writeMaster(const char *data, qsizetype size)
{
    if (master_ < 0)
        return 0;
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n = ::write(master_, data + done, size_t(size - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    return done;
}
