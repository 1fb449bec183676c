#pragma once

#include "keyboard/keynames.h"

#include <cstdint>

// The device key code of a key event given with the Windows values
// (virtual-key code, set 1 scan code, event flags); 0 for a key without code.
// Keys are identified by their virtual-key code first; the others by their scan
// code, with the extended flag telling the navigation block from the numeric pad.
KeyCode translateKey(uint32_t vkCode, uint32_t scanCode, uint32_t flags);

// The Linux input event code (the XKB keycode less 8) of the key that sends
// device key code `code`; 0 for a code no key sends. Where several keys give
// the same code, the one of the main block is taken (multimedia keys reuse
// letter keys' scan codes).
uint32_t evdevCodeOfDeviceKey(KeyCode code);
