// Feeds arbitrary bytes to the configuration file reader and checks that what
// it leaves in the table keeps the table's limits, and that an accepted file
// reads back the same after being written again.
#include "config/buttontable.h"
#include "file/tkfcodec.h"
#include "support/tablecontent.h"

#include <QByteArray>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ButtonTable table;
    static ButtonTable again;
    table.buttonCount = ButtonTable::DefaultButtonCount;
    table.maxEntries = ButtonTable::DefaultMaxEntries;
    // decodeConfig rebuilds the table itself once the signature is right.

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TkfReadResult result = decodeConfig(bytes, table);
    if (!result.signatureOk)
        return 0;

    require(table.buttonCount <= TkfMaxButtons);
    require(table.maxEntries <= TkfMaxEntries);
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i) {
        const ButtonContent &c = table.content(uint8_t(i));
        require(c.length <= table.maxEntries);
        require(c.faulty == 0);
        require(c.length == 0 || (result.accepted() && i < table.buttonCount));
        for (int k = 0; k < c.length; ++k) {
            const uint8_t action = c.entries[k].action;
            require(action == ActionPress || action == ActionRelease || action == ActionDelay);
        }
    }
    if (!result.accepted())
        return 0;

    require(!result.truncated);
    const QByteArray written = encodeConfig(table);
    require(written.size() <= TkfMaxReadSize);
    require(decodeConfig(written, again).accepted());
    require(sameContents(table, again, table.buttonCount));
    return 0;
}
