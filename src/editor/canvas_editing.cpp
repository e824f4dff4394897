#include "editor/canvas_editing.h"

#include "editor/canvas_raster.h"
#include "model/banks.h"
#include "model/evaluate.h"
#include "model/stop_editing.h"

namespace {

bool InRows(int32_t y, int32_t top, int32_t bottom) { return y >= top && y <= bottom; }

// The last stop whose marker the column hits: the one drawn on top.
template <typename Stop>
const Stop* MarkerAt(const std::vector<Stop>& stops, int32_t clientWidth, int32_t x) {
  for (size_t i = stops.size(); i-- > 0;) {
    const int32_t centre = StopToX(clientWidth, stops[i].position);
    if (x >= centre - kMarkerReach && x <= centre + kMarkerReach) return &stops[i];
  }
  return nullptr;
}

// Selects the stop, enables its row, greys the other and starts a drag.
CanvasEffects StartDrag(CanvasEditing& editing, StopTrack track, int32_t serial) {
  const bool color = track == StopTrack::Color;
  (color ? editing.selectedColor : editing.selectedAlpha) = StopSelection{true, serial};
  editing.dragMode = color ? kDragColor : kDragAlpha;
  editing.clickedTrack = track;
  editing.insideBand = true;
  CanvasEffects effects;
  effects.colorRow = color ? RowChange::kEnable : RowChange::kDisable;
  effects.opacityRow = color ? RowChange::kDisable : RowChange::kEnable;
  effects.refreshPanel = true;
  effects.capture = true;
  return effects;
}

// Sorts and renumbers a track; a selection in it follows its stop to the new
// serial, which is the stop's index after sorting.
void SortAndRenumberKeeping(GradationData& gradation, StopTrack track, StopSelection& selection) {
  int32_t index = -1;
  if (track == StopTrack::Color) {
    SortStops(gradation.colorStops);
    if (selection.valid) index = FindColorStop(gradation, selection.serial);
    RenumberStops(gradation.colorStops);
  } else {
    SortStops(gradation.alphaStops);
    if (selection.valid) index = FindAlphaStop(gradation, selection.serial);
    RenumberStops(gradation.alphaStops);
  }
  if (index < 0) {
    selection = StopSelection{};
  } else {
    selection.serial = index;
  }
}

}  // namespace

GradationData* ShownGradation(const CanvasEditing& editing) {
  const int32_t index = editing.currentIndex;
  return editing.shown && index >= 0 && index < kBankSize ? &GradationBank[index] : nullptr;
}

ColorStop* SelectedColorStop(CanvasEditing& editing) {
  GradationData* shown = ShownGradation(editing);
  if (!editing.selectedColor.valid || shown == nullptr) return nullptr;
  ColorStop* stop = EditableColorStop(*shown, editing.selectedColor.serial);
  if (stop == nullptr) editing.selectedColor = StopSelection{};
  return stop;
}

AlphaStop* SelectedAlphaStop(CanvasEditing& editing) {
  GradationData* shown = ShownGradation(editing);
  if (!editing.selectedAlpha.valid || shown == nullptr) return nullptr;
  AlphaStop* stop = EditableAlphaStop(*shown, editing.selectedAlpha.serial);
  if (stop == nullptr) editing.selectedAlpha = StopSelection{};
  return stop;
}

CanvasEffects PressOnCanvas(CanvasEditing& editing, int32_t x, int32_t y) {
  GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return {};
  GradationData& gradation = *shown;
  const bool onColorTrack = InRows(y, kColorTrackTop, kColorTrackBottom);
  const bool onAlphaTrack = InRows(y, kAlphaTrackTop, kAlphaTrackBottom);
  if (onColorTrack) {
    if (const ColorStop* hit = MarkerAt(gradation.colorStops, editing.clientWidth, x)) {
      return StartDrag(editing, StopTrack::Color, hit->serial);
    }
  }
  if (onAlphaTrack) {
    if (const AlphaStop* hit = MarkerAt(gradation.alphaStops, editing.clientWidth, x)) {
      return StartDrag(editing, StopTrack::Alpha, hit->serial);
    }
  }
  const float position = XToPosition(editing.clientWidth, x);
  // Written to refuse NaN too, which a degenerate width would give.
  if (!(position >= 0.0f && position <= 100.0f)) return {};
  if (onColorTrack) {
    const uint32_t color = EvaluateColor(gradation, position, kEditorCurveExponent);
    const int32_t index = AddColorStop(gradation, position, RgbFromPacked(color));
    CanvasEffects effects =
        StartDrag(editing, StopTrack::Color, ColorStopAt(gradation, index).serial);
    effects.invalidate = true;
    return effects;
  }
  if (onAlphaTrack) {
    const float opacity = EvaluateOpacity(gradation, position, kEditorCurveExponent);
    const int32_t index = AddAlphaStop(gradation, position, opacity);
    CanvasEffects effects =
        StartDrag(editing, StopTrack::Alpha, AlphaStopAt(gradation, index).serial);
    effects.invalidate = true;
    effects.result = 1;
    return effects;
  }
  return {};
}

bool UpdateDragBand(CanvasEditing& editing, int32_t y) {
  const GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return false;
  if (editing.dragMode == kDragColor) {
    if (shown->colorStops.size() <= 2) return true;
    ColorStop* stop = SelectedColorStop(editing);
    if (stop == nullptr) return false;
    stop->active = InRows(y, kColorBandTop, kColorBandBottom);
    return stop->active;
  }
  if (editing.dragMode == kDragAlpha) {
    if (shown->alphaStops.size() <= 2) return true;
    AlphaStop* stop = SelectedAlphaStop(editing);
    if (stop == nullptr) return false;
    stop->active = InRows(y, kAlphaBandTop, kAlphaBandBottom);
    return stop->active;
  }
  return false;
}

bool MoveDraggedStop(CanvasEditing& editing, int32_t x) {
  if (editing.dragMode != kDragColor && editing.dragMode != kDragAlpha) return false;
  const StopTrack track = editing.dragMode == kDragColor ? StopTrack::Color : StopTrack::Alpha;
  MoveSelectedStop(editing, track, XToPosition(editing.clientWidth, x));
  return true;
}

void MoveSelectedStop(CanvasEditing& editing, StopTrack track, float position) {
  GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return;
  GradationData& gradation = *shown;
  if (track == StopTrack::Color) {
    if (!editing.selectedColor.valid) return;
    const int32_t index = FindColorStop(gradation, editing.selectedColor.serial);
    if (index < 0) {
      editing.selectedColor = StopSelection{};
      return;
    }
    const int32_t moved = SetColorStopPosition(gradation, index, position);
    editing.selectedColor.serial = ColorStopAt(gradation, moved).serial;
  } else {
    if (!editing.selectedAlpha.valid) return;
    const int32_t index = FindAlphaStop(gradation, editing.selectedAlpha.serial);
    if (index < 0) {
      editing.selectedAlpha = StopSelection{};
      return;
    }
    const int32_t moved = SetAlphaStopPosition(gradation, index, position);
    editing.selectedAlpha.serial = AlphaStopAt(gradation, moved).serial;
  }
}

CanvasEffects MoveOnCanvas(CanvasEditing& editing, int32_t x, int32_t y) {
  if (editing.dragMode == kNoDrag) return {};
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
  const int32_t mode = editing.dragMode;
  editing.dragMode = kNoDrag;
  if (mode == kNoDrag) return {};
  CanvasEffects effects;
  effects.releaseCapture = true;
  effects.invalidate = true;
  effects.result = 1;
  GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return effects;
  GradationData& gradation = *shown;
  if (mode == kDragColor) {
    if (ColorStop* stop = SelectedColorStop(editing); stop != nullptr && !stop->active) {
      if (RemoveColorStop(gradation, FindColorStop(gradation, stop->serial))) {
        editing.selectedColor = StopSelection{};
        effects.colorRow = RowChange::kDisable;
      } else {
        // Never left hidden: a stop that cannot go stays on its track.
        stop->active = true;
      }
    }
    SortAndRenumberKeeping(gradation, StopTrack::Color, editing.selectedColor);
  } else if (mode == kDragAlpha) {
    if (AlphaStop* stop = SelectedAlphaStop(editing); stop != nullptr && !stop->active) {
      if (RemoveAlphaStop(gradation, FindAlphaStop(gradation, stop->serial))) {
        editing.selectedAlpha = StopSelection{};
        effects.opacityRow = RowChange::kDisable;
      } else {
        stop->active = true;
      }
    }
    SortAndRenumberKeeping(gradation, StopTrack::Alpha, editing.selectedAlpha);
  }
  return effects;
}
