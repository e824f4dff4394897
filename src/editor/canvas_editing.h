// What a left-button press, drag and release on the canvas do to the shown
// gradation and the selections, free of any window: the window layer carries
// out the returned effects (capture, repaint, panel rows).
#pragma once

#include <cstdint>

#include "editor/canvas_layout.h"
#include "model/gradation.h"

// A selected stop, held by serial: a stop found again by serial cannot be a
// stale reference into a list that has since been re-sorted or replaced.
struct StopSelection {
  bool valid = false;
  int32_t serial = 0;
};

enum DragMode : int32_t { kNoDrag = 0, kDragColor = 1, kDragAlpha = 2 };

// The part of the editor's record the canvas edits.
struct CanvasEditing {
  // Bank index (ID - 1) the editor addresses: the file commands and the drop
  // act on it even before anything is shown.
  int32_t currentIndex = 0;
  bool shown = false;  // set by the first update that acts
  int32_t clientWidth = 0;
  int32_t dragMode = kNoDrag;
  StopSelection selectedColor;
  StopSelection selectedAlpha;
  // Whether the dragged stop was on its track at the last move. Set again at
  // every press: a drag that ended off the track must not keep the next drag
  // from repainting when its stop leaves the track.
  bool insideBand = true;
  // The track of the last marker pressed: what Delete and the arrow keys act on.
  StopTrack clickedTrack = StopTrack::Color;
};

enum class RowChange : uint8_t { kKeep, kEnable, kDisable };

struct CanvasEffects {
  int32_t result = 0;  // for the host; nonzero asks it to refresh
  bool invalidate = false;
  bool refreshPanel = false;
  bool capture = false;
  bool releaseCapture = false;
  RowChange colorRow = RowChange::kKeep;
  RowChange opacityRow = RowChange::kKeep;
};

// The shown bank gradation, entry currentIndex; null before the first update.
GradationData* ShownGradation(const CanvasEditing& editing);

// Selects the marker under (x, y), scanning from the stop drawn last, or adds
// a stop on an empty spot of a track; either starts a drag.
CanvasEffects PressOnCanvas(CanvasEditing& editing, int32_t x, int32_t y);
CanvasEffects MoveOnCanvas(CanvasEditing& editing, int32_t x, int32_t y);
// Ends a drag; a stop released off its track is removed.
CanvasEffects ReleaseOnCanvas(CanvasEditing& editing);

// During a drag: marks the dragged stop on or off its track by the pointer's
// row and returns whether it is on. A track of two stops or fewer keeps it on.
bool UpdateDragBand(CanvasEditing& editing, int32_t y);
// During a drag: moves the dragged stop to the column's position (clamped to
// 0..100). False when no drag is under way. The panel is the caller's.
bool MoveDraggedStop(CanvasEditing& editing, int32_t x);
// Moves the selected stop of the track and keeps it selected through the
// re-sort. A selection that names no stop is dropped and nothing moves.
void MoveSelectedStop(CanvasEditing& editing, StopTrack track, float position);

// The selected stop, or null (and the selection dropped) when it names no
// stop of the shown gradation.
ColorStop* SelectedColorStop(CanvasEditing& editing);
AlphaStop* SelectedAlphaStop(CanvasEditing& editing);
