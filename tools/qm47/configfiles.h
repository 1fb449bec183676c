#pragma once

#include "file/tkffile.h"

#include <QString>

class ButtonTable;

// Messages on standard error, prefixed with the program's name.
void complain(const QString &message);
void complain(const QString &path, const QString &message);

// The configurator's message for a file it refuses; empty when accepted.
QString refusalMessage(const TkfLoadResult &result);

// "Could not open file!" followed by the system's reason why the file at
// `path` cannot be opened for reading.
QString couldNotOpenMessage(const QString &path);

// "Could not create file!" with the system's reason for it, where one is known.
QString couldNotCreateMessage(const QString &reason);

// Reads a configuration file into `table`; returns why it was refused, or an
// empty text when it was read.
QString loadConfig(const QString &path, ButtonTable &table);

// Reads a configuration file into `table`; on refusal tells why (and, for the
// text form, how to turn it into a configuration file) and returns false.
bool loadConfigOrComplain(const QString &path, ButtonTable &table);

// Writes `table` as a configuration file, replacing `path` only when every
// byte was written; on failure tells so and returns false.
bool saveConfigOrComplain(const QString &path, const ButtonTable &table);

// True when `path` names a configuration file by its extension (.tkf, any case).
bool isConfigFilePath(const QString &path);
