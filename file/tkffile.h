#pragma once

#include "file/tkfcodec.h"
#include "file/tkftext.h"

#include <QString>

class ButtonTable;

// Writes the configuration file at `path` whole or not at all (see
// writeWholeFile). False when the file could not be created or written;
// `reason` then says why.
bool saveConfigFile(const QString &path, const ButtonTable &table, QString *reason = nullptr);

// Outcome of reading a configuration file.
struct TkfLoadResult {
    bool opened = false;  // false: not a regular file, or it could not be opened; table untouched
    TkfReadResult read;   // what decodeConfig found, when opened
};

// Reads the configuration file at `path` into `table` (see decodeConfig). Only
// as many bytes as a configuration can occupy are read.
TkfLoadResult loadConfigFile(const QString &path, ButtonTable &table);

// The largest text form read: far more than any configuration needs, so a
// larger file is no text form. No file the program writes or reads in full
// is larger.
constexpr qint64 TkfMaxTextSize = 4 * 1024 * 1024;

// The text form (file/tkftext.h) is kept in files named *.txt.
bool isTextFormPath(const QString &path);

// Writes the text form of `table` at `path`, as saveConfigFile writes a file.
bool saveConfigTextFile(const QString &path, const ButtonTable &table, QString *reason = nullptr);

// Outcome of reading a text form file.
struct TextLoadResult {
    bool opened = false; // false: the file could not be opened
    bool read = false;   // false when opened: `error` says which line failed
    TkfTextError error;
};

// Reads a text form file into `table`: its counts (the maximum limited to
// 250, as for configuration files) and its buttons. A text that is not
// understood leaves the table as it was.
TextLoadResult loadConfigTextFile(const QString &path, ButtonTable &table);
