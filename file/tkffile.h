#pragma once

#include "file/tkfcodec.h"

#include <QString>

class ButtonTable;

// Writes the configuration file at `path` whole or not at all (see
// writeWholeFile). False when the file could not be created or written.
bool saveConfigFile(const QString &path, const ButtonTable &table);

// Outcome of reading a configuration file.
struct TkfLoadResult {
    bool opened = false;  // false: not a regular file, or it could not be opened; table untouched
    TkfReadResult read;   // what decodeConfig found, when opened
};

// Reads the configuration file at `path` into `table` (see decodeConfig). Only
// as many bytes as a configuration can occupy are read.
TkfLoadResult loadConfigFile(const QString &path, ButtonTable &table);
