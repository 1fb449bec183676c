// Feeds arbitrary byte streams, well-formed frames, ticks and transfer steps
// to the frame layer. Every write must be the wake-up byte or one whole frame
// with a good CRC; the receiver's state must stay within its fields' ranges.
#include "config/buttontable.h"
#include "config/crc32.h"
#include "device/bytesink.h"
#include "device/framelayer.h"

#include <cstdint>
#include <cstdlib>

namespace {

class CheckingSink : public ByteSink
{
public:
    bool open = true;

    bool isOpen() const override { return open; }
    qint64 write(const char *data, qint64 size) override
    {
        const auto *b = reinterpret_cast<const uint8_t *>(data);
        if (size == 1 && b[0] == CmdWakeUp)
            return 1;
        if (size < Frame::Overhead || b[0] != FrameStartByte)
            std::abort();
        const int length = b[2] | b[3] << 8;
        if (length > Frame::PayloadCapacity || size != length + Frame::Overhead)
            std::abort();
        const uint32_t stored = uint32_t(b[4 + length]) | uint32_t(b[5 + length]) << 8
                                | uint32_t(b[6 + length]) << 16 | uint32_t(b[7 + length]) << 24;
        if (frameCrc(b, size_t(length + 4)) != stored)
            std::abort();
        return size;
    }
};

class Input
{
public:
    Input(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool more() const { return pos_ < size_; }
    uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};

void checkInvariants(const FrameLayer &layer)
{
    const LinkState &l = layer.link;
    bool ok = l.framesReady <= 1 && l.rxState <= WaitCrc;
    switch (l.rxState) {
    case WaitLength: ok = ok && l.rxPos < 2; break;
    case WaitPayload: ok = ok && l.rxPos < l.rxFrame.length && l.rxFrame.length <= Frame::PayloadCapacity; break;
    case WaitCrc: ok = ok && l.rxPos < 4 && l.rxFrame.length <= Frame::PayloadCapacity; break;
    default: break;
    }
    if (!ok)
        std::abort();
}

void feedFrame(FrameLayer &layer, Input &in, int lengthCode)
{
    // Lengths up to 527, so that frames beyond the capacity turn up too.
    const int length = lengthCode * 17;
    const uint8_t command = in.next();
    QByteArray bytes;
    bytes.append(char(FrameStartByte));
    bytes.append(char(command));
    bytes.append(char(length & 0xFF));
    bytes.append(char(length >> 8));
    for (int k = 0; k < length; ++k)
        bytes.append(char(in.next()));
    const uint32_t crc = frameCrc(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                  size_t(bytes.size()));
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((crc >> shift) & 0xFF));
    layer.receiveBytes(bytes.constData(), bytes.size());
}

void control(FrameLayer &layer, CheckingSink &sink, ButtonTable &table, Input &in, int code)
{
    switch (code % 14) {
    case 0: layer.prepareTransfer(TransferDirection::Readout); break;
    case 1: layer.prepareTransfer(TransferDirection::Transmit); break;
    case 2: layer.sendWakeUp(); break;
    case 3: layer.sendEndTransfer(); break;
    case 4: layer.sendRequest(in.next()); break;
    case 5: layer.stopTransfer(); break;
    case 6: layer.resetLink(); break;
    case 7: sink.open = !sink.open; break;
    case 8: layer.sendAck(in.next()); break;
    case 9: {
        const uint8_t command = in.next();
        layer.sendNak(command, in.next());
        break;
    }
    case 10: layer.resendLast(); break;
    case 12: {
        const uint8_t button = in.next();
        table.content(button).length = in.next();
        break;
    }
    case 13: {
        layer.link.end = LinkEnd::None;
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ButtonTable table;
    table.buttonCount = ButtonTable::DefaultButtonCount;
    table.maxEntries = ButtonTable::DefaultMaxEntries;
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i)
        table.content(uint8_t(i)).length = 0;

    CheckingSink sink;
    FrameLayer layer(table, sink);
    Input in(data, size);
    while (in.more()) {
        const uint8_t op = in.next();
        const int arg = op & 31;
        switch (op >> 5) {
        case 0:
        case 1:
        case 2: // raw bytes, one per tick
            for (int k = 0; k <= arg && in.more(); ++k) {
                layer.receiveByte(in.next());
                layer.protocolTick();
                checkInvariants(layer);
            }
            break;
        case 3: // raw bytes, all in one tick
            for (int k = 0; k <= arg && in.more(); ++k) {
                layer.receiveByte(in.next());
                checkInvariants(layer);
                layer.handOverFrame();
            }
            layer.protocolTick();
            break;
        case 4: // a frame with a good CRC
            feedFrame(layer, in, arg);
            layer.protocolTick();
            break;
        case 5: // time passes, enough to cross every limit
            for (int k = 0; k < (arg + 1) * 40; ++k)
                layer.protocolTick();
            break;
        case 6:
        case 7:
            control(layer, sink, table, in, arg);
            break;
        }
        checkInvariants(layer);
    }
    return 0;
}
