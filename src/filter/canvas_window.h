// The canvas on the filter window: painted from the platform-free raster with
// one block copy.
#pragma once

#include <windows.h>

// WM_PAINT: measures the client width, then paints if a gradation is shown.
void HandlePaint(HWND window);

// Draws the whole canvas of `window` from the shown gradation, which must exist.
void PaintCanvas(HWND window);
