// The editor's commands as the user reaches them: the canvas's context menu,
// its items as WM_COMMAND, and the keys while the filter window has the focus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "model/stops.h"

class PresetMenu;

// The canvas's menu, its items greyed where they cannot act now; the
// distribute item acts on the track of the marker row clicked, or on both
// tracks for a click elsewhere; `presets` fills its last submenu and must
// outlive it. The caller destroys it.
HMENU BuildCanvasMenu(std::optional<StopTrack> markerRow, PresetMenu& presets);

// A right click on the canvas opens the menu there; false elsewhere, so that
// the host treats the message as usual.
bool HandleCanvasContextMenu(HWND window, LPARAM screenPoint);
// True for a menu command, which has then been carried out.
bool RunCanvasCommand(HWND window, uint16_t command);
// True for an editing key, which has then acted.
bool HandleEditorKey(HWND window, WPARAM key);
