// The canvas's editing state, free of any window: the shown bank entry, each
// track's selected stop, the drag under way, and what a left-button press
// does to them (dragging is canvas_drag.h's). Edits return their effects; the
// window layer carries them out (capture, repaint, panel rows).
#pragma once

#include <cstdint>
#include <optional>

#include "model/gradation.h"

// A selected stop, held by serial: a stop found again by serial cannot be a
// stale reference into a list that has since been re-sorted or replaced.
struct StopSelection {
  bool valid = false;
  int32_t serial = 0;
};

// The part of the editor's record the canvas edits.
struct CanvasEditing {
  // Bank index (ID - 1) the editor addresses: the file commands and the drop
  // act on it even before anything is shown.
  int32_t currentIndex = 0;
  bool shown = false;  // set by the first update that acts
  int32_t clientWidth = 0;
  PerTrack<StopSelection> selected;
  // The track whose selected stop is being dragged; none between drags.
  std::optional<StopTrack> draggedTrack;
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
  // Each track's row of the property panel.
  PerTrack<RowChange> rows = {{RowChange::kKeep, RowChange::kKeep}};
};

// The shown bank gradation, entry currentIndex; null before the first update.
GradationData* ShownGradation(const CanvasEditing& editing);

// The index of the track's selected stop in the shown gradation, or -1 (and
// the selection dropped when it names no stop).
int32_t SelectedStopIndex(CanvasEditing& editing, StopTrack track);
// The selected stop, or null as SelectedStopIndex gives -1.
ColorStop* SelectedColorStop(CanvasEditing& editing);
AlphaStop* SelectedAlphaStop(CanvasEditing& editing);

// Moves the selected stop of the track; it keeps its serial, and with it the
// selection, through the re-sort. A selection that names no stop is dropped
// and nothing moves.
void MoveSelectedStop(CanvasEditing& editing, StopTrack track, float position);

// The shown gradation's lists were switched or replaced: nothing selected in
// them may be written or looked up again, and no drag goes on.
void ForgetSelections(CanvasEditing& editing);

// Selects the marker under (x, y), scanning from the stop drawn last, or adds
// a stop on an empty spot of a track; either starts a drag.
CanvasEffects PressOnCanvas(CanvasEditing& editing, int32_t x, int32_t y);
