#include "editor/canvas_editing.h"

#include "editor/canvas_layout.h"
#include "editor/canvas_raster.h"
#include "model/banks.h"
#include "model/evaluate.h"
#include "model/stop_editing.h"

namespace {

// The serial of the last stop of the track whose marker the column hits: the
// one drawn on top.
std::optional<int32_t> MarkerAt(const GradationData& gradation, StopTrack track,
                                int32_t clientWidth, int32_t x) {
  return VisitStops(gradation, track, [&](const auto& stops) -> std::optional<int32_t> {
    for (size_t i = stops.size(); i-- > 0;) {
      const int32_t centre = StopToX(clientWidth, stops[i].position);
      if (x >= centre - kMarkerReach && x <= centre + kMarkerReach) return stops[i].serial;
    }
    return std::nullopt;
  });
}

// Adds a stop to the track with the gradation's own value at the position and
// returns its serial.
int32_t AddStopAt(GradationData& gradation, StopTrack track, float position) {
  if (track == StopTrack::Color) {
    const uint32_t color = EvaluateColor(gradation, position, kEditorCurveExponent);
    return ColorStopAt(gradation, AddColorStop(gradation, position, RgbFromPacked(color))).serial;
  }
  const float opacity = EvaluateOpacity(gradation, position, kEditorCurveExponent);
  return AlphaStopAt(gradation, AddAlphaStop(gradation, position, opacity)).serial;
}

// Selects the stop, enables its row, greys the other and starts a drag.
CanvasEffects StartDrag(CanvasEditing& editing, StopTrack track, int32_t serial) {
  editing.selected[track] = StopSelection{true, serial};
  editing.draggedTrack = track;
  editing.clickedTrack = track;
  editing.insideBand = true;
  CanvasEffects effects;
  for (StopTrack row : kStopTracks) {
    effects.rows[row] = row == track ? RowChange::kEnable : RowChange::kDisable;
  }
  effects.refreshPanel = true;
  effects.capture = true;
  return effects;
}

}  // namespace

GradationData* ShownGradation(const CanvasEditing& editing) {
  const int32_t index = editing.currentIndex;
  return editing.shown && index >= 0 && index < kBankSize ? &GradationBank[index] : nullptr;
}

int32_t SelectedStopIndex(CanvasEditing& editing, StopTrack track) {
  StopSelection& selection = editing.selected[track];
  const GradationData* shown = ShownGradation(editing);
  if (!selection.valid || shown == nullptr) return -1;
  const int32_t index = FindStop(*shown, track, selection.serial);
  if (index < 0) selection = StopSelection{};
  return index;
}

ColorStop* SelectedColorStop(CanvasEditing& editing) {
  const int32_t index = SelectedStopIndex(editing, StopTrack::Color);
  return index < 0 ? nullptr : &ShownGradation(editing)->colorStops[static_cast<size_t>(index)];
}

AlphaStop* SelectedAlphaStop(CanvasEditing& editing) {
  const int32_t index = SelectedStopIndex(editing, StopTrack::Alpha);
  return index < 0 ? nullptr : &ShownGradation(editing)->alphaStops[static_cast<size_t>(index)];
}

void MoveSelectedStop(CanvasEditing& editing, StopTrack track, float position) {
  const int32_t index = SelectedStopIndex(editing, track);
  if (index >= 0) SetStopPosition(*ShownGradation(editing), track, index, position);
}

void ForgetSelections(CanvasEditing& editing) {
  editing.selected = {};
  editing.draggedTrack.reset();
}

CanvasEffects PressOnCanvas(CanvasEditing& editing, int32_t x, int32_t y) {
  GradationData* shown = ShownGradation(editing);
  const std::optional<StopTrack> track = TrackAtRow(y);
  if (shown == nullptr || !track) return {};
  if (const std::optional<int32_t> hit = MarkerAt(*shown, *track, editing.clientWidth, x)) {
    return StartDrag(editing, *track, *hit);
  }
  const float position = XToPosition(editing.clientWidth, x);
  // Written to refuse NaN too, which a degenerate width would give.
  if (!(position >= 0.0f && position <= 100.0f)) return {};
  CanvasEffects effects = StartDrag(editing, *track, AddStopAt(*shown, *track, position));
  effects.invalidate = true;
  // Only a new transparency stop asks the host to refresh; a new colour stop
  // returns 0, as a selection does: the results the editor has always given.
  effects.result = *track == StopTrack::Alpha ? 1 : 0;
  return effects;
}
