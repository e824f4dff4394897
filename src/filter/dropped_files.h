// Files dropped on the filter window.
#pragma once

#include <windows.h>

#include <shellapi.h>

// Loads the first dropped file into the shown bank entry; a file that does not
// load changes nothing and shows no message. Releases the drop and
// invalidates the canvas.
void LoadDroppedGradation(HDROP drop, HWND window);
