// The editor's commands as the user reaches them: the canvas's context menu,
// its items as WM_COMMAND, and the keys while the filter window has the focus.
#pragma once

#include <windows.h>

#include <cstdint>

#include "editor/editor_commands.h"

// The canvas's menu, its items greyed where they cannot act now; the
// distribute item acts on `tracks`. The caller destroys it.
HMENU BuildCanvasMenu(TrackChoice tracks);

// A right click on the canvas opens the menu there; false elsewhere, so that
// the host treats the message as usual.
bool HandleCanvasContextMenu(HWND window, LPARAM screenPoint);
// True for a menu command, which has then been carried out.
bool RunCanvasCommand(HWND window, uint16_t command);
// True for an editing key, which has then acted.
bool HandleEditorKey(HWND window, WPARAM key);
