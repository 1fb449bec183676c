#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// The device's one-byte key code: the key's make code in scan code set 3.
using KeyCode = uint8_t;

// The five name tables.
enum class NameTable { English, German, French, Spanish, Portuguese };

// Number of the keyboard layout read last (a Windows layout number such as
// 0x407); 0 until a layout has been read.
int32_t keyboardLayoutId();
void setKeyboardLayoutId(int32_t id);

// The table that a layout number selects.
NameTable nameTableFor(int32_t layoutId);

// Display name of a code in a table; "ERROR" for codes without an entry.
QString keyNameIn(NameTable table, KeyCode code);

// Display name of a code for the layout in force.
QString keyName(KeyCode code);

// The number of a Windows keyboard layout name such as "00000407" (0x407):
// the text read as a hexadecimal number. A text that is not hexadecimal
// digits only, or whose value does not fit a signed 32-bit number (such as
// "E0010411"), gives 0.
int32_t layoutIdFromName(QStringView name);
