// A screenshot with the filter window's context menu open over it.
#pragma once

#include <windows.h>

#include <string>

#include "captured_image.h"

// Captures the main window's client area, then sends the filter window a
// WM_CONTEXTMENU for the client point (x, y) of the filter window. A timer,
// run by the menu's own modal loop, waits at most a few seconds for the popup
// menu, captures it over the first capture and ends the menu. Empty, with the
// reason in `error`, when no menu opened or the capture failed. With
// `openSubmenu`, the menu's first submenu is opened by keys and captured too.
CapturedImage CaptureWithContextMenu(HWND mainWindow, HWND filterWindow, int x, int y,
                                     bool openSubmenu, std::string& error);
