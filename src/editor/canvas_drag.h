// A drag on the canvas, from the press that started it (canvas_editing.h) to
// the release: the stop follows the pointer's column, leaves its track when
// the pointer leaves the track's band, and a stop released off its track is
// removed.
#pragma once

#include <cstdint>

#include "editor/canvas_editing.h"

CanvasEffects MoveOnCanvas(CanvasEditing& editing, int32_t x, int32_t y);
// Ends a drag; a stop released off its track is removed.
CanvasEffects ReleaseOnCanvas(CanvasEditing& editing);

// During a drag: marks the dragged stop on or off its track by the pointer's
// row and returns whether it is on. A track of two stops or fewer keeps it on.
bool UpdateDragBand(CanvasEditing& editing, int32_t y);
// During a drag: moves the dragged stop to the column's position (clamped to
// 0..100). False when no drag is under way. The panel is the caller's.
bool MoveDraggedStop(CanvasEditing& editing, int32_t x);
