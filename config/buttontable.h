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

// Value of selectedButton while no button is active.
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

// Told before and after every change of the active button's script, so that a
// view can re-read it (the list model implements this).
class TableObserver
{
public:
    virtual ~TableObserver() = default;
    virtual void tableAboutToChange() = 0;
    virtual void tableChanged() = 0;
};

// The one in-memory configuration of all buttons.
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

    // The process-wide configuration.
    static ButtonTable &instance();

    ButtonTable();

    uint8_t buttonCount = DefaultButtonCount;
    uint16_t maxEntries = DefaultMaxEntries;
    uint8_t selectedButton = NoButton;

    // Raised by a recording that reached the entry limit, 0 or 1.
    uint8_t maxReached = 0;

    // Empties every button (length 0, faulty 0). The selection and the flags stay.
    void buildTable();

    ButtonContent &content(uint8_t index) { return contents_[index]; }
    const ButtonContent &content(uint8_t index) const { return contents_[index]; }

    // The active button's content, or nullptr while no button is active.
    ButtonContent *activeContent();
    const ButtonContent *activeContent() const;

    // Writes a new entry directly behind `position` (or at the end when
    // position equals the length) of the active button. Refused, returning
    // false, when no button is active, position lies outside 0..length, or the
    // buffer is full. Callers check the room against maxEntries first.
    bool insertEntryAfter(int position, uint8_t action, uint8_t key);

    // Removes the entry at `position` of the active button. Refused when no
    // button is active or position is not an index of the content.
    bool removeEntry(int position);

    // Surrounds a change of the active button's script with the observer's
    // notifications (a no-op without observer).
    void beginChange();
    void endChange();

    void setObserver(TableObserver *observer) { observer_ = observer; }

private:
    std::vector<ButtonContent> contents_;
    TableObserver *observer_ = nullptr;
};
