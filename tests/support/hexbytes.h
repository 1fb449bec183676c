#pragma once

#include <QByteArray>

// Bytes written out as hex digits ("C33C17"), so that a test shows the bytes
// of a frame or a file as they are laid out.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
