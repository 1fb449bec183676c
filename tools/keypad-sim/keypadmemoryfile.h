#pragma once

#include <QString>

class ButtonTable;

// The simulated keypad keeps its buttons in a configuration file, so that what
// a transmit stored can be inspected, opened in the configurator and read out
// again.

enum class MemoryFileStatus { Missing, Loaded, Invalid };

// Reads the file into `memory`. Missing leaves `memory` as it was.
MemoryFileStatus loadKeypadMemory(const QString &path, ButtonTable &memory);

// Writes `memory` as a configuration file. A file holds at most 23 buttons of
// at most 250 entries; a keypad simulated with more keeps only that part, so
// that the file always stays readable.
bool saveKeypadMemory(const QString &path, const ButtonTable &memory);
