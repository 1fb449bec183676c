#include "commandwords.h"

#include "file/systemfilenames.h"

CommandWords commandWords(int argc, const char *const *argv)
{
    CommandWords result;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        QString word;
        if (!decodeFileName(bytes, &word))
            result.unreadable.append(escapedBytes(bytes));
        result.words.append(word);
    }
    return result;
}
