#include "editor/canvas_drag.h"

#include "editor/canvas_layout.h"
#include "editor/canvas_raster.h"
#include "model/stop_editing.h"

namespace {

// Off its track a dragged stop is inactive: drawn nowhere, removed on release.
bool& ActiveFlag(GradationData& gradation, StopTrack track, int32_t index) {
  return VisitStops(gradation, track, [index](auto& stops) -> bool& {
    return stops[static_cast<size_t>(index)].active;
  });
}

// Sorts and renumbers a track; a selection in it follows its stop to the new
// serial, which is the stop's index after sorting.
void SortAndRenumberKeeping(GradationData& gradation, StopTrack track, StopSelection& selection) {
  SortStops(gradation, track);
  const int32_t index = selection.valid ? FindStop(gradation, track, selection.serial) : -1;
  RenumberStops(gradation, track);
  if (index < 0) {
    selection = StopSelection{};
  } else {
    selection.serial = index;
  }
}

}  // namespace

bool UpdateDragBand(CanvasEditing& editing, int32_t y) {
  GradationData* shown = ShownGradation(editing);
  if (shown == nullptr || !editing.draggedTrack) return false;
  const StopTrack track = *editing.draggedTrack;
  if (StopCount(*shown, track) <= 2) return true;
  const int32_t index = SelectedStopIndex(editing, track);
  if (index < 0) return false;
  const TrackRows& rows = kTrackRows[track];
  return ActiveFlag(*shown, track, index) = InRows(y, rows.bandTop, rows.bandBottom);
}

bool MoveDraggedStop(CanvasEditing& editing, int32_t x) {
  if (!editing.draggedTrack) return false;
  MoveSelectedStop(editing, *editing.draggedTrack, XToPosition(editing.clientWidth, x));
  return true;
}

CanvasEffects MoveOnCanvas(CanvasEditing& editing, int32_t x, int32_t y) {
  if (!editing.draggedTrack) return {};
  CanvasEffects effects;
  if (UpdateDragBand(editing, y)) {
    editing.insideBand = true;
    effects.refreshPanel = MoveDraggedStop(editing, x);
  } else if (editing.insideBand) {
    // One repaint shows the bar without the stop; further moves outside change nothing.
    editing.insideBand = false;
  } else {
    return {};
  }
  effects.invalidate = true;
  effects.result = 1;
  return effects;
}

CanvasEffects ReleaseOnCanvas(CanvasEditing& editing) {
  const std::optional<StopTrack> dragged = editing.draggedTrack;
  editing.draggedTrack.reset();
  if (!dragged) return {};
  CanvasEffects effects;
  effects.releaseCapture = true;
  effects.invalidate = true;
  effects.result = 1;
  GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return effects;
  const StopTrack track = *dragged;
  const int32_t index = SelectedStopIndex(editing, track);
  if (index >= 0 && !ActiveFlag(*shown, track, index)) {
    if (RemoveStop(*shown, track, index)) {
      editing.selected[track] = StopSelection{};
      effects.rows[track] = RowChange::kDisable;
    } else {
      // Never left hidden: a stop that cannot go stays on its track.
      ActiveFlag(*shown, track, index) = true;
    }
  }
  SortAndRenumberKeeping(*shown, track, editing.selected[track]);
  return effects;
}
