#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <initializer_list>

// Command codes of the serial protocol. WakeUp is not a frame: it is the
// single raw byte that opens a transfer.
enum FrameCommand : uint8_t {
    CmdGetButton = 0x00,
    CmdSetButton = 0x01,
    CmdGetMaxEntries = 0x02,
    CmdGetButtonCount = 0x03,
    CmdEndTransfer = 0x04,
    CmdWakeUp = 0x7F,
    CmdAck = 0x80,
    CmdNak = 0xFF,
};

constexpr uint8_t FrameStartByte = 0xC3;

// One protocol frame, as built for sending or as received.
//
// On the wire: start byte, command, length (low byte first), `length` payload
// bytes, then the CRC-32 of everything before it, least significant byte
// first. Nothing is escaped; a frame is always length + 8 bytes.
struct Frame {
    // A button's content, 2 + 2 × 255 bytes, is the largest payload in use.
    static constexpr int PayloadCapacity = 512;
    static constexpr int Overhead = 8;

    uint8_t start = FrameStartByte;
    uint8_t command = 0;
    uint16_t length = 0;
    std::array<uint8_t, PayloadCapacity> payload{};
    uint32_t crc = 0;

    // Payload bytes actually held: `length`, bounded by the capacity.
    int heldLength() const { return length < PayloadCapacity ? length : PayloadCapacity; }

    // Payload byte k, or 0 where the frame carries no byte k. Readers of
    // received frames use this so that a short payload never yields stale
    // bytes of an earlier frame.
    uint8_t payloadByte(int k) const { return k >= 0 && k < heldLength() ? payload[size_t(k)] : 0; }

    // CRC-32 over start, command, both length bytes and the held payload.
    uint32_t computeCrc() const;
    // Sets `crc` from the current contents.
    void seal() { crc = computeCrc(); }

    // The frame as sent: header, held payload and `crc` (not recomputed).
    QByteArray toWire() const;
};

// A sealed frame with the given command and payload (at most the capacity).
Frame makeFrame(uint8_t command, std::initializer_list<uint8_t> payload = {});

// Short readable name of a command code, for logs ("GetButton", "0x42").
QByteArray commandName(uint8_t command);
