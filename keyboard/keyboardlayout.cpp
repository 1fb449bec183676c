#include "keyboard/keyboardlayout.h"

// Placeholder until the platform layout readers land.
void readKeyboardLayout() {}
