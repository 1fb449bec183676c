#include "config/buttontable.h"

ButtonTable &ButtonTable::instance()
{
    static ButtonTable table;
    return table;
}

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

ButtonContent *ButtonTable::activeContent()
{
    return selectedButton == NoButton ? nullptr : &contents_[selectedButton];
}

const ButtonContent *ButtonTable::activeContent() const
{
    return selectedButton == NoButton ? nullptr : &contents_[selectedButton];
}

bool ButtonTable::insertEntryAfter(int position, uint8_t action, uint8_t key)
{
    ButtonContent *c = activeContent();
    if (!c || position < 0 || position > c->length || c->length >= ButtonContent::Capacity)
        return false;

    beginChange();
    int target = c->length;
    if (position < c->length) {
        target = position + 1;
        for (int i = c->length; i > target; --i)
            c->entries[i] = c->entries[i - 1];
    }
    c->entries[target] = ContentEntry{action, key};
    ++c->length;
    endChange();
    return true;
}

bool ButtonTable::removeEntry(int position)
{
    ButtonContent *c = activeContent();
    if (!c || position < 0 || position >= c->length)
        return false;

    beginChange();
    for (int i = position; i + 1 < c->length; ++i)
        c->entries[i] = c->entries[i + 1];
    --c->length;
    endChange();
    return true;
}

void ButtonTable::beginChange()
{
    if (observer_)
        observer_->tableAboutToChange();
}

void ButtonTable::endChange()
{
    if (observer_)
        observer_->tableChanged();
}
