#include "device/frame.h"

#include "config/crc32.h"

uint32_t Frame::computeCrc() const
{
    Crc32 c;
    c.add(start);
    c.add(command);
    c.add(uint8_t(length & 0xFF));
    c.add(uint8_t(length >> 8));
    c.add(payload.data(), size_t(heldLength()));
    return c.value();
}

QByteArray Frame::toWire() const
{
    const int n = heldLength();
    QByteArray out;
    out.reserve(n + Overhead);
    out.append(char(start));
    out.append(char(command));
    out.append(char(length & 0xFF));
    out.append(char(length >> 8));
    out.append(reinterpret_cast<const char *>(payload.data()), n);
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((crc >> shift) & 0xFF));
    return out;
}

Frame makeFrame(uint8_t command, std::initializer_list<uint8_t> payload)
{
    Frame f;
    f.command = command;
    for (uint8_t b : payload) {
        if (f.length >= Frame::PayloadCapacity)
            break;
        f.payload[f.length++] = b;
    }
    f.seal();
    return f;
}

QByteArray commandName(uint8_t command)
{
    switch (command) {
    case CmdGetButton: return "GetButton";
    case CmdSetButton: return "SetButton";
    case CmdGetMaxEntries: return "GetMaxEntries";
    case CmdGetButtonCount: return "GetButtonCount";
    case CmdEndTransfer: return "EndTransfer";
    case CmdWakeUp: return "WakeUp";
    case CmdAck: return "Ack";
    case CmdNak: return "Nak";
    default: return "0x" + QByteArray::number(command, 16).rightJustified(2, '0').toUpper();
    }
}
