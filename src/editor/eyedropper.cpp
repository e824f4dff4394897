#include "editor/eyedropper.h"

#include "editor/shown_history.h"
#include "model/banks.h"

namespace {

// The picked stop in its bank entry, or null once the stop is gone.
ColorStop* PickedStop(const Eyedropper& picker) {
  if (!picker.active || picker.index < 0 || picker.index >= kBankSize) return nullptr;
  GradationData& entry = GradationBank[picker.index];
  const int32_t index = FindStop(entry, StopTrack::Color, picker.serial);
  return index < 0 ? nullptr : &entry.colorStops[static_cast<size_t>(index)];
}

// The picked stop while its entry is the one shown: only there does a pick
// act, since only there does the user see it.
ColorStop* ShownPickedStop(const CanvasEditing& editing, const Eyedropper& picker) {
  const bool shown = ShownGradation(editing) != nullptr && editing.currentIndex == picker.index;
  return shown ? PickedStop(picker) : nullptr;
}

CanvasEffects Recolor(ColorStop& stop, Rgb color) {
  if (stop.red == color.red && stop.green == color.green && stop.blue == color.blue) return {};
  stop.red = color.red;
  stop.green = color.green;
  stop.blue = color.blue;
  CanvasEffects effects;
  effects.result = 1;
  effects.invalidate = true;
  effects.refreshPanel = true;
  return effects;
}

}  // namespace

bool CanPickColor(CanvasEditing& editing) {
  return !editing.draggedTrack && SelectedColorStop(editing) != nullptr;
}

bool BeginPicking(CanvasEditing& editing, Eyedropper& picker) {
  if (picker.active || !CanPickColor(editing)) return false;
  picker.active = true;
  picker.index = editing.currentIndex;
  picker.serial = editing.selected[StopTrack::Color].serial;
  picker.before = *ShownGradation(editing);
  return true;
}

CanvasEffects ApplyPickedColor(CanvasEditing& editing, Eyedropper& picker, Rgb color) {
  ColorStop* stop = ShownPickedStop(editing, picker);
  return stop == nullptr ? CanvasEffects{} : Recolor(*stop, color);
}

CanvasEffects CommitPicking(CanvasEditing& editing, EditHistories& histories, Eyedropper& picker) {
  if (ShownPickedStop(editing, picker) != nullptr) {
    RecordShownEdit(editing, histories, picker.before, EditKind::PickColor);
  }
  AbandonPicking(picker);
  return {};
}

CanvasEffects CancelPicking(CanvasEditing& editing, Eyedropper& picker) {
  // Put back even after the entry stopped being shown (a change of ID),
  // with nothing to repaint then.
  const bool shown = ShownPickedStop(editing, picker) != nullptr;
  CanvasEffects effects;
  if (ColorStop* stop = PickedStop(picker)) {
    const int32_t index = FindStop(picker.before, StopTrack::Color, picker.serial);
    if (index >= 0) {
      const ColorStop& was = picker.before.colorStops[static_cast<size_t>(index)];
      effects = Recolor(*stop, Rgb{was.red, was.green, was.blue});
    }
  }
  AbandonPicking(picker);
  return shown ? effects : CanvasEffects{};
}

void AbandonPicking(Eyedropper& picker) {
  picker.active = false;
  picker.index = -1;
  picker.before = GradationData{};
}
