// Keys reach the filter window through the host, with the modifiers held in
// the thread's keyboard state.
#pragma once

#include <windows.h>

inline void HoldKeys(bool control, bool shift) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = control ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
}
