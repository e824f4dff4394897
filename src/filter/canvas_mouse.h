// The canvas's mouse messages on the filter window: the editing decisions are
// editor/canvas_editing's (the press) and editor/canvas_drag's; this layer
// captures the mouse, repaints and updates the panel.
#pragma once

#include <windows.h>

#include <cstdint>

#include "editor/canvas_editing.h"

// Carries out an edit's effects: capture, repaint, panel rows and values.
int32_t ApplyCanvasEffects(HWND window, const CanvasEffects& effects);

int32_t HandleButtonDown(HWND window, int32_t x, int32_t y);
int32_t HandleMouseMove(HWND window, int32_t x, int32_t y);
int32_t HandleButtonUp(HWND window, int32_t x);

// Another window took the capture in the middle of a drag (a task switch, a
// menu): the drag ends there as if the button had been released.
int32_t HandleCaptureLost(HWND window, HWND newOwner);
