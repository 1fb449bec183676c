#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 of frames and configuration files: polynomial 0x04C11DB7, register
// starting at 0, the bits of each byte taken from the least significant one,
// no final XOR and no reflection of the result.
class Crc32
{
public:
    void add(uint8_t byte);
    void add(const uint8_t *bytes, size_t count);
    uint32_t value() const { return reg_; }

private:
    uint32_t reg_ = 0;
};

uint32_t frameCrc(const uint8_t *bytes, size_t count);
