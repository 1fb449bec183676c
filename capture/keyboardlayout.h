#pragma once

// Reads the number of the keyboard layout in force and stores it as
// keyboardLayoutId() (keyboard/keynames.h). Where no number can be had, the
// stored value stays as it was.
void readKeyboardLayout();
