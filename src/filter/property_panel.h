// The property panel below the canvas: a "colour" row and a "transparency"
// row, each a PropertyGroup around an entry of the editor's own.
#pragma once

#include <windows.h>

#include <cstdint>

#include "filter/host_interface.h"

void CreatePropertyPanel(HINSTANCE instance, HWND window, HFONT font);
void DestroyPropertyPanel();

// Disables each row's four controls; rows that were never created are skipped.
void DisablePropertyGroups();

// Shows the selected stops' values. Setting an entry's text raises its change
// notification at once, so HandlePanelCommand runs nested in here; an entry
// that already shows its stop's value as it reads back is left alone.
void RefreshPanel();

// The colour dialog, started from the colour entry's value with the
// process-wide custom colours. True when a colour was chosen; it reaches the
// selected stop through the entry.
bool ChooseStopColor(HWND owner);

// WM_COMMAND on the filter window: the panel's entries and boxes and the
// host's two file buttons. Nonzero asks the host to refresh.
int32_t HandlePanelCommand(FilterRecord* filter, uint16_t code, HWND window, uint16_t controlId);
