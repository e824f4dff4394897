// The host function table the plug-in receives, and the user-interface font
// its system-information query hands out.
#pragma once

#include "filter/host_interface.h"

// A table whose only filled entry is the system-information query at 0xA0;
// the other entries are null, so a plug-in calling one fails at once rather
// than running into garbage.
HostFunctionTable MakeHostFunctionTable();

// The font the query reports: the system's message font, created on first
// use and kept until ReleaseHostUiFont, after every window that used it is gone.
HFONT HostUiFont();
void ReleaseHostUiFont();
