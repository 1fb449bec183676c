#include "config/buttontable.h"

ButtonTable::ButtonTable()
    : contents_(ButtonCapacity)
{
}

void ButtonTable::buildTable()
{
    for (ButtonContent &c : contents_) {
        c.length = 0;
        c.faulty = 0;
        std::fill(c.entries.begin(), c.entries.end(), ContentEntry{});
    }
}
