// Feeds arbitrary bytes to the text form, both as text and as a file image:
// a text that is read must give a file the reader accepts and whose text
// reads back to the same bytes; an accepted image must come back from its
// text byte for byte (or be reported as not exact).
#include "config/buttontable.h"
#include "file/tkftext.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The text of `image` must read back into exactly `image`.
void requireRoundTrip(const QByteArray &image)
{
    const TkfImageText converted = imageToText(image);
    require(converted.read.accepted());
    ButtonTable back;
    TkfTextError error;
    require(configFromText(converted.text, back, error));
    require(!converted.exact || encodeConfig(back) == image);
    // A file that is not exact is still read the same way through its text.
    ButtonTable direct;
    decodeConfig(image, direct);
    ButtonTable viaText;
    decodeConfig(encodeConfig(back), viaText);
    require(encodeConfig(direct) == encodeConfig(viaText));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    ButtonTable table;
    TkfTextError error;
    if (configFromText(QString::fromUtf8(bytes), table, error)) {
        require(table.buttonCount <= TkfMaxButtons);
        requireRoundTrip(encodeConfig(table));
    } else {
        require(error.line >= 1 && !error.message.isEmpty());
    }

    if (imageToText(bytes).read.accepted())
        requireRoundTrip(bytes);
    return 0;
}
