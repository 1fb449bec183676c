#include "keypadmemoryfile.h"

#include "config/buttontable.h"
#include "file/tkffile.h"

#include <QFileInfo>

#include <algorithm>

MemoryFileStatus loadKeypadMemory(const QString &path, ButtonTable &memory)
{
    if (!QFileInfo::exists(path))
        return MemoryFileStatus::Missing;
    ButtonTable loaded;
    const TkfLoadResult result = loadConfigFile(path, loaded);
    if (!result.opened || !result.read.accepted())
        return MemoryFileStatus::Invalid;
    memory = loaded;
    return MemoryFileStatus::Loaded;
}

bool saveKeypadMemory(const QString &path, const ButtonTable &memory)
{
    ButtonTable image = memory;
    image.buttonCount = std::min(image.buttonCount, TkfMaxButtons);
    image.maxEntries = std::min(image.maxEntries, TkfMaxEntries);
    for (int i = 0; i < image.buttonCount; ++i) {
        ButtonContent &c = image.content(uint8_t(i));
        c.length = uint8_t(std::min<int>(c.length, image.maxEntries));
    }
    return saveConfigFile(path, image);
}
