#pragma once

#include "device/bytesink.h"
#include "device/frame.h"

#include <QByteArray>
#include <QList>

// A byte sink for frame layer tests: keeps every write call separately (the
// frame layer writes one frame per call) and can play a closed port.
class RecordingSink : public ByteSink
{
public:
    bool open = true;
    bool failWrites = false;
    QList<QByteArray> writes;

    bool isOpen() const override { return open; }
    qint64 write(const char *data, qint64 size) override
    {
        if (failWrites)
            return -1;
        writes.append(QByteArray(data, int(size)));
        return size;
    }

    // Everything written so far, in order, and forgotten.
    QByteArray takeAll()
    {
        QByteArray all;
        for (const QByteArray &w : writes)
            all += w;
        writes.clear();
        return all;
    }
};

// The wire bytes of a sealed frame.
inline QByteArray wire(uint8_t command, std::initializer_list<uint8_t> payload = {})
{
    return makeFrame(command, payload).toWire();
}
