#pragma once

#include "file/tkfcodec.h"

#include <QString>

class ButtonTable;

// Writes the configuration file at `path`. The image goes to a temporary file
// in the same folder first and replaces an existing file only once every byte
// has been written, so a failure leaves the old file as it was. False when the
// file could not be created or written.
bool saveConfigFile(const QString &path, const ButtonTable &table);

// Outcome of reading a configuration file.
struct TkfLoadResult {
    bool opened = false;  // false: the file could not be opened; table untouched
    TkfReadResult read;   // what decodeConfig found, when opened
};

// Reads the configuration file at `path` into `table` (see decodeConfig). Only
// as many bytes as a configuration can occupy are read.
TkfLoadResult loadConfigFile(const QString &path, ButtonTable &table);
