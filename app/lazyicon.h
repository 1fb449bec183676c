#pragma once

#include <QIcon>
#include <QString>

// An icon whose PNG file is read the first time it is drawn. Menu icons are
// not on the screen when the window first appears; decoding them then would
// only delay that first picture.
QIcon lazyPngIcon(const QString &path);
