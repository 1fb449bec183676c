#include "keyboard/heldkeys.h"

bool HeldKeys::contains(uint8_t code) const
{
    for (int i = 0; i < count_; ++i)
        if (codes_[i] == code)
            return true;
    return false;
}

bool HeldKeys::add(uint8_t code)
{
    if (count_ >= Capacity)
        return false;
    codes_[count_++] = code;
    return true;
}

void HeldKeys::remove(uint8_t code)
{
    for (int i = 0; i < count_; ++i) {
        if (codes_[i] == code) {
            for (int j = i; j + 1 < count_; ++j)
                codes_[j] = codes_[j + 1];
            --count_;
            return;
        }
    }
}
