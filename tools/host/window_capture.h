// Reading back what a window shows, for screenshots.
#pragma once

#include <windows.h>

#include "captured_image.h"

// Repaints the window and its children, lets every waiting message run, then
// copies the client area. Empty on failure.
CapturedImage CaptureClientArea(HWND window);

// The whole window, frame included, as it is painted now: nothing else runs
// meanwhile, so it may be called from inside a modal loop. Empty on failure.
CapturedImage CaptureWholeWindow(HWND window);
