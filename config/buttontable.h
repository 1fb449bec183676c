#pragma once

#include <cstdint>
#include <vector>

// Action byte of a ContentEntry. ActionPressRelease is only a request code for
// the recording: it is turned into a press followed by a release and never stored.
enum ContentAction : uint8_t {
    ActionPress = 2,
    ActionRelease = 3,
    ActionPressRelease = 6,
    ActionDelay = 250,
};

// Key byte of the two halves of a delay pair.
constexpr uint8_t DelayFirstHalf = 2;
constexpr uint8_t DelaySecondHalf = 3;

// The button index that stands for "no button" (none active, none shown).
constexpr uint8_t NoButton = 255;

struct ContentEntry {
    uint8_t action = 0;
    uint8_t key = 0;

    bool operator==(const ContentEntry &other) const
    { return action == other.action && key == other.key; }
    bool operator!=(const ContentEntry &other) const { return !(*this == other); }
};

// One button's script. The buffer always holds as many entries as the 8-bit
// length can count, so no length that a file or a device supplies can reach
// beyond it.
struct ButtonContent {
    static constexpr int Capacity = 255;

    std::vector<ContentEntry> entries = std::vector<ContentEntry>(Capacity);
    uint8_t length = 0;
    uint8_t faulty = 0;
};

// A configuration of all buttons: their scripts and the limits in force.
//
// buttonCount and maxEntries are the limits in force; a device may report any
// 8-bit count and any maximum up to 255. The table therefore always keeps a
// record for every 8-bit button index, each with room for 255 entries, so that
// any index, count or length that arrives stays inside the allocation.
class ButtonTable
{
public:
    static constexpr uint8_t DefaultButtonCount = 23;
    static constexpr uint16_t DefaultMaxEntries = 250;
    static constexpr int ButtonCapacity = 256;

    ButtonTable();

    uint8_t buttonCount = DefaultButtonCount;
    uint16_t maxEntries = DefaultMaxEntries;

    // Empties every button (length 0, faulty 0); the limits stay.
    void buildTable();

    ButtonContent &content(uint8_t index) { return contents_[index]; }
    const ButtonContent &content(uint8_t index) const { return contents_[index]; }

private:
    std::vector<ButtonContent> contents_;
};
