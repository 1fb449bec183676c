#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class KeypadEngine;
class QSocketNotifier;

// Connects a KeypadEngine to a pseudo-terminal: the configurator opens the
// slave side like a serial port, the engine talks through the master side.
//
// The line keeps a descriptor of the slave open itself, so the configurator
// can close and reopen the port between transfers without the master seeing a
// hang-up. Output is written at once, or paced at the rate of a 115200-baud
// line (10 bits a byte), writing every millisecond the bytes that are due.
// Paced, the input is taken at the same rate: a byte reaches the keypad only
// once the line could have carried it, as with a real cable.
//
// With a latency timer the line also plays a USB serial adapter: bytes on
// their way to the host are held until the timer has run since the first of
// them, or until a packet's worth (AdapterPacketBytes) has gathered.
class KeypadLine : public QObject
{
    Q_OBJECT

public:
    // 10 bits per byte at 115200 baud.
    static constexpr double ByteTimeUs = 1e6 * 10 / 115200;
    // Half the pacing timer's period: bytes are moved at the nearest tick.
    static constexpr double TickSlackUs = 500;
    // Payload of one USB packet of a common adapter chip (64 bytes less two
    // status bytes).
    static constexpr int AdapterPacketBytes = 62;

    explicit KeypadLine(KeypadEngine &engine, QObject *parent = nullptr);
    ~KeypadLine() override;

    // Opens the pseudo-terminal pair in raw mode. False with `error` set on failure.
    bool open(QString *error);
    // Closes both sides; the slave path disappears.
    void close();
    bool isOpen() const { return master_ >= 0; }

    QString slavePath() const { return slavePath_; }
    void setPaced(bool paced) { paced_ = paced; }
    // 0 (the default) hands bytes to the host at once.
    void setLatencyTimer(int ms) { latencyTimer_.setInterval(ms); latencyMs_ = ms; }

Q_SIGNALS:
    // A transfer that stored buttons has ended: the memory should be saved.
    void memoryChanged();
    // The unplug fault fired; the line is closed.
    void unplugged();

private:
    void readMaster();
    void queueInput(const QByteArray &bytes);
    void feedDueInput();
    void afterInput();
    void queueOutput(const QByteArray &bytes);
    void writePending(qsizetype limit);
    // Bytes the keypad sent, through the adapter model when there is one.
    void deliver(const char *data, qsizetype size);
    // Hands `count` held bytes (at most all) to the host.
    void releaseHeld(qsizetype count);
    qsizetype writeMaster(const char *data, qsizetype size);
    void writeDue();

    KeypadEngine &engine_;
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QSocketNotifier *readNotifier_ = nullptr;
    QSocketNotifier *writeNotifier_ = nullptr;
    QTimer paceTimer_;
    QTimer receiveTimer_;
    QElapsedTimer clock_;
    double nextByteDueUs_ = 0;
    QByteArray pending_;
    QByteArray inbox_;
    double nextInputDueUs_ = 0;
    QTimer inputTimer_;
    bool paced_ = false;
    QByteArray held_;
    QTimer latencyTimer_;
    int latencyMs_ = 0;
};
