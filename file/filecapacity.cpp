#include "file/filecapacity.h"

#include "config/buttontable.h"
#include "file/tkfcodec.h"

#include <algorithm>

FileCapacityExcess fileCapacityExcess(const ButtonTable &table)
{
    FileCapacityExcess excess;
    if (table.buttonCount > TkfMaxButtons)
        excess.buttonCount = table.buttonCount;
    const int saved = std::min<int>(table.buttonCount, TkfMaxButtons);
    for (int i = 0; i < saved; ++i)
        if (table.content(uint8_t(i)).length > TkfMaxEntries)
            excess.longButtons.append(i);
    return excess;
}
