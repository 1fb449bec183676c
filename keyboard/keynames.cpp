#include "keyboard/keynames.h"

// Placeholder until the name tables land.
namespace {
int32_t currentLayoutId = 0;
}

int32_t keyboardLayoutId() { return currentLayoutId; }
void setKeyboardLayoutId(int32_t id) { currentLayoutId = id; }
NameTable nameTableFor(int32_t) { return NameTable::English; }
QString keyNameIn(NameTable, KeyCode) { return QStringLiteral("ERROR"); }
QString keyName(KeyCode code) { return keyNameIn(nameTableFor(keyboardLayoutId()), code); }
