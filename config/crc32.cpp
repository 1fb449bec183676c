#include "config/crc32.h"

void Crc32::add(uint8_t byte)
{
    for (int bit = 0; bit < 8; ++bit) {
        const bool dataBit = (byte >> bit) & 1u;
        const bool topBit = (reg_ >> 31) & 1u;
        reg_ <<= 1;
        if (dataBit != topBit)
            reg_ ^= 0x04C11DB7u;
    }
}

void Crc32::add(const uint8_t *bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        add(bytes[i]);
}

uint32_t frameCrc(const uint8_t *bytes, size_t count)
{
    Crc32 crc;
    crc.add(bytes, count);
    return crc.value();
}
