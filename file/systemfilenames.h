#pragma once

#include <QByteArray>
#include <QString>

// File names as the system keeps them are bytes; the program handles them as
// text decoded with the locale's encoding and encodes them again to open a
// file. Under a UTF-8 locale, bytes that are not UTF-8 do not survive that
// round trip: such a name would be opened, written or listed under another.

// Sets `name` to the text of the file name `bytes`; false where the locale's
// encoding cannot carry those bytes both ways.
bool decodeFileName(const QByteArray &bytes, QString *name);

// `bytes` for a message: printable ASCII as it is, every other byte as \xHH.
QString escapedBytes(const QByteArray &bytes);
