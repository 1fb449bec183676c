#include "serial/transfersession.h"

#include "config/buttontable.h"

#if defined(Q_OS_UNIX)
#include <termios.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

TransferSession::TransferSession(ButtonTable &table, QObject *parent)
    : QObject(parent)
    , sink_(port_)
    , frameLayer_(table, sink_)
{
    connect(&port_, &QSerialPort::readyRead, this, &TransferSession::pump);
    connect(&port_, &QSerialPort::bytesWritten, this, [this](qint64 bytes) { bytesSent_ += bytes; });
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A broken line during a transfer; errors while opening are read by open().
        if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError
            || error == QSerialPort::WriteError) {
            if (port_.isOpen())
                lineFailed();
        }
    });
}

TransferSession::~TransferSession() = default;

void TransferSession::begin(TransferDirection direction)
{
    frameLayer_.prepareTransfer(direction);
    bytesSent_ = 0;
    bytesReceived_ = 0;
    active_ = true;
}

void TransferSession::finish()
{
    active_ = false;
    frameLayer_.stopTransfer();
}

bool TransferSession::open(const PortRecord &port)
{
    closeDescriptor();
    port_.clearError();
    openFailure_ = PortFailure();
    const QString location = port.systemLocation.isEmpty() ? port.portName : port.systemLocation;
    port_.setPortName(location);
    if (!port_.isOpen() && !port_.open(QIODevice::ReadWrite)) {
        // Read before the settings below overwrite the error.
        openFailure_ = describeOpenFailure(port_.error(), port_.errorString(), location);
        return false;
    }
    port_.setBaudRate(BaudRate, QSerialPort::AllDirections);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.error() != QSerialPort::NoError || !port_.isOpen()) {
        openFailure_ = describeOpenFailure(port_.error(), port_.errorString(), location);
        closeDescriptor();
        return false;
    }
#if defined(Q_OS_UNIX)
    lowLatency_.enable(int(port_.handle()));
#endif
    port_.clear(QSerialPort::Input);
    port_.readAll();
    return true;
}

bool TransferSession::wakeUp()
{
    return frameLayer_.sendWakeUp();
}

void TransferSession::tick()
{
    pump();
    if (!active_)
        return;
    frameLayer_.protocolTick();
}

void TransferSession::drainOutput()
{
    while (port_.isOpen() && port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(DrainLimitMs))
            break;
    }
    if (!port_.isOpen())
        return;
#if defined(Q_OS_UNIX)
    ::tcdrain(port_.handle());
#elif defined(Q_OS_WIN)
    ::FlushFileBuffers(port_.handle());
#endif
}

void TransferSession::closePort()
{
    closeDescriptor();
}

void TransferSession::closeDescriptor()
{
    if (!port_.isOpen())
        return;
#if defined(Q_OS_UNIX)
    lowLatency_.restore(int(port_.handle()));
#endif
    port_.close();
}

void TransferSession::pump()
{
    if (pumping_ || !port_.isOpen())
        return;
    pumping_ = true;
    const QByteArray bytes = port_.readAll();
    bytesReceived_ += bytes.size();
    if (active_) {
        for (char byte : bytes) {
            frameLayer_.receiveByte(uint8_t(byte));
            frameLayer_.handOverFrame();
        }
    }
    pumping_ = false;
    if (port_.error() == QSerialPort::ResourceError || port_.error() == QSerialPort::ReadError)
        lineFailed();
}

void TransferSession::lineFailed()
{
    closeDescriptor();
    port_.clearError();
    frameLayer_.stopTransfer();
    if (active_)
        frameLayer_.endTransfer(LinkEnd::Failed);
}
