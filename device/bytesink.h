#pragma once

#include <QtGlobal>

class QIODevice;

// Where the frame layer writes its bytes: the serial port in the programs, a
// recorder in tests, the simulator's input in end-to-end tests.
class ByteSink
{
public:
    virtual ~ByteSink() = default;
    virtual bool isOpen() const = 0;
    // Writes the bytes in one call; -1 on failure, like QIODevice::write.
    virtual qint64 write(const char *data, qint64 size) = 0;
};

// A sink on any QIODevice, e.g. a QSerialPort. The device must outlive the sink.
class IoDeviceSink : public ByteSink
{
public:
    explicit IoDeviceSink(QIODevice &device) : device_(device) {}
    bool isOpen() const override;
    qint64 write(const char *data, qint64 size) override;

private:
    QIODevice &device_;
};
