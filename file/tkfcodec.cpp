#include "file/tkfcodec.h"

#include "config/buttontable.h"
#include "config/crc32.h"

#include <algorithm>

namespace {

// Appends bytes to the image and to the running CRC.
class TkfWriter
{
public:
    void put(uint8_t byte)
    {
        bytes_.append(char(byte));
        crc_.add(byte);
    }
    uint32_t crc() const { return crc_.value(); }
    QByteArray &bytes() { return bytes_; }

private:
    QByteArray bytes_;
    Crc32 crc_;
};

// Hands out the bytes of the image one at a time. A read past the end leaves
// its target unchanged and is remembered.
class TkfReader
{
public:
    explicit TkfReader(const QByteArray &data) : data_(data) {}

    void read(uint8_t &target)
    {
        if (pos_ < data_.size())
            target = uint8_t(data_.at(pos_++));
        else
            pastEnd_ = true;
    }
    bool pastEnd() const { return pastEnd_; }

private:
    const QByteArray &data_;
    qsizetype pos_ = 0;
    bool pastEnd_ = false;
};

bool isStoredAction(uint8_t action)
{
    return action == ActionPress || action == ActionRelease || action == ActionDelay;
}

} // namespace

QByteArray encodeConfig(const ButtonTable &table)
{
    // A device may have raised the counts beyond what a file can carry. Such a
    // table is written as the largest file that still reads back: at most 23
    // buttons, the maximum raised to the longest button (up to 250) where a
    // button is longer, and no button longer than that maximum. Written as it
    // stands, the reader's clamping would fail the CRC and lose everything.
    const int buttons = std::min<int>(table.buttonCount, TkfMaxButtons);
    int longest = 0;
    for (int i = 0; i < buttons; ++i)
        longest = std::max<int>(longest, table.content(uint8_t(i)).length);
    uint16_t maxEntries = table.maxEntries;
    if (longest > maxEntries)
        maxEntries = uint16_t(std::min<int>(longest, TkfMaxEntries));
    const int lengthLimit = std::min<int>(maxEntries, TkfMaxEntries);

    TkfWriter out;
    out.bytes().reserve(9 + buttons * (1 + 2 * lengthLimit));
    out.put(TkfSignature0);
    out.put(TkfSignature1);
    out.put(uint8_t(buttons));
    out.put(uint8_t(maxEntries & 0xFF));
    out.put(uint8_t(maxEntries >> 8));
    for (int i = 0; i < buttons; ++i) {
        const ButtonContent &c = table.content(uint8_t(i));
        const int length = std::min<int>(c.length, lengthLimit);
        out.put(uint8_t(length));
        for (int k = 0; k < length; ++k) {
            out.put(c.entries[k].action);
            out.put(c.entries[k].key);
        }
    }
    const uint32_t crc = out.crc();
    for (int shift = 0; shift < 32; shift += 8)
        out.bytes().append(char((crc >> shift) & 0xFF));
    return out.bytes();
}

TkfReadResult decodeConfig(const QByteArray &data, ButtonTable &table)
{
    TkfReadResult result;
    TkfReader in(data);
    Crc32 crc;

    uint8_t first = 0;
    uint8_t second = 0;
    in.read(first);
    in.read(second);
    crc.add(first);
    crc.add(second);
    if (first != TkfSignature0 || second != TkfSignature1)
        return result;
    result.signatureOk = true;

    // The clamped count enters the CRC, so a file with more buttons fails it.
    in.read(table.buttonCount);
    if (table.buttonCount > TkfMaxButtons)
        table.buttonCount = TkfMaxButtons;
    crc.add(table.buttonCount);

    // The maximum enters the CRC as stored; only then is it clamped.
    uint8_t low = uint8_t(table.maxEntries & 0xFF);
    uint8_t high = uint8_t(table.maxEntries >> 8);
    in.read(low);
    in.read(high);
    crc.add(low);
    crc.add(high);
    table.maxEntries = uint16_t(low + 256 * high);
    if (table.maxEntries > TkfMaxEntries)
        table.maxEntries = TkfMaxEntries;

    table.buildTable();

    for (int i = 0; i < table.buttonCount && !result.corruptEntry; ++i) {
        ButtonContent &c = table.content(uint8_t(i));
        in.read(c.length);
        if (c.length > table.maxEntries)
            c.length = uint8_t(table.maxEntries);
        crc.add(c.length);
        for (int k = 0; k < c.length; ++k) {
            ContentEntry &e = c.entries[k];
            in.read(e.action);
            if (!isStoredAction(e.action)) {
                c.faulty = 1;
                result.corruptEntry = true;
                table.buildTable();
                break;
            }
            crc.add(e.action);
            in.read(e.key);
            crc.add(e.key);
        }
    }

    uint8_t stored[4] = {0, 0, 0, 0};
    for (uint8_t &b : stored)
        in.read(b);
    const uint32_t storedCrc = uint32_t(stored[0]) | uint32_t(stored[1]) << 8
                               | uint32_t(stored[2]) << 16 | uint32_t(stored[3]) << 24;
    result.truncated = in.pastEnd();
    result.crcOk = storedCrc == crc.value() && !result.truncated;
    if (!result.crcOk)
        table.buildTable();
    return result;
}
