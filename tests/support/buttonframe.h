#pragma once

#include "config/buttontable.h"
#include "device/frame.h"

#include <QList>

// A sealed GetButton answer or SetButton frame (by `command`) carrying the
// script `entries` of button `index`: index, count, then action and key of
// every entry.
inline Frame buttonFrame(uint8_t command, uint8_t index, const QList<ContentEntry> &entries)
{
    Frame f;
    f.command = command;
    f.payload[0] = index;
    f.payload[1] = uint8_t(entries.size());
    for (int j = 0; j < entries.size(); ++j) {
        f.payload[size_t(2 + 2 * j)] = entries[j].action;
        f.payload[size_t(3 + 2 * j)] = entries[j].key;
    }
    f.length = uint16_t(2 + 2 * entries.size());
    f.seal();
    return f;
}
