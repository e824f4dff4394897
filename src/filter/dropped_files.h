// Files dropped on the filter window.
#pragma once

#include <windows.h>

#include <shellapi.h>

// Loads the first dropped file, of any kind the editor reads, into the shown
// bank entry (a file of several gradients asks which); a file that does not
// load changes nothing and shows no message. Releases the drop and
// invalidates the canvas.
void LoadDroppedGradation(HDROP drop, HWND window);
