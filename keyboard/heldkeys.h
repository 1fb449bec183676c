#pragma once

#include <array>
#include <cstdint>

// Keys whose press was recorded and whose release has not come yet, in the
// order of their presses. Holds at most 25 codes; a further key is not
// remembered (its press is still recorded by the caller).
class HeldKeys
{
public:
    static constexpr int Capacity = 25;

    void clear() { count_ = 0; }
    bool contains(uint8_t code) const;
    // Returns false, and remembers nothing, when the list is full.
    bool add(uint8_t code);
    // Removes the first occurrence of code, keeping the order of the others.
    void remove(uint8_t code);

    int count() const { return count_; }
    uint8_t at(int i) const { return codes_[i]; }

private:
    std::array<uint8_t, Capacity> codes_{};
    uint8_t count_ = 0;
};
