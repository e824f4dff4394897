#include "editor/editor_commands.h"

#include <algorithm>

#include "model/banks.h"
#include "model/gradation_transforms.h"
#include "model/stop_editing.h"

namespace {

bool Idle(const CanvasEditing& editing) {
  return editing.dragMode == kNoDrag && ShownGradation(editing) != nullptr;
}

// Repaint and show the selected stops again; a row whose stop is gone is
// disabled, as after a removal by dragging off.
CanvasEffects ShowEdited(CanvasEditing& editing) {
  CanvasEffects effects;
  effects.result = 1;
  effects.invalidate = true;
  effects.refreshPanel = true;
  if (editing.selectedColor.valid && SelectedColorStop(editing) == nullptr) {
    effects.colorRow = RowChange::kDisable;
  }
  if (editing.selectedAlpha.valid && SelectedAlphaStop(editing) == nullptr) {
    effects.opacityRow = RowChange::kDisable;
  }
  return effects;
}

CanvasEffects ShowStep(CanvasEditing& editing, const GradationData* step) {
  if (step == nullptr) return {};
  *ShownGradation(editing) = *step;
  return ShowEdited(editing);
}

// Where a whole-track edit puts the stop at each index.
enum class IndexMap : uint8_t { Same, Mirrored };

// Whole-track edits keep the lists' order (or mirror it) but may renumber
// them: a selection follows its stop to its place in the new list.
template <typename Stop>
void FollowStop(StopSelection& selection, const std::vector<Stop>& before,
                const std::vector<Stop>& after, IndexMap map) {
  if (!selection.valid) return;
  size_t index = before.size();
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i].serial == selection.serial) index = i;
  }
  if (index == before.size() || before.size() != after.size()) {
    selection = StopSelection{};
    return;
  }
  selection.serial = after[map == IndexMap::Same ? index : after.size() - 1 - index].serial;
}

CanvasEffects ShowRenumbered(CanvasEditing& editing, const GradationData& before, IndexMap map) {
  const GradationData& after = *ShownGradation(editing);
  FollowStop(editing.selectedColor, before.colorStops, after.colorStops, map);
  FollowStop(editing.selectedAlpha, before.alphaStops, after.alphaStops, map);
  return ShowEdited(editing);
}

// A gradation put in place of the shown one keeps no selection.
CanvasEffects ShowReplaced(CanvasEditing& editing) {
  CanvasEffects effects = ShowEdited(editing);
  if (editing.selectedColor.valid) effects.colorRow = RowChange::kDisable;
  if (editing.selectedAlpha.valid) effects.opacityRow = RowChange::kDisable;
  editing.selectedColor = StopSelection{};
  editing.selectedAlpha = StopSelection{};
  return effects;
}

size_t StopCount(const GradationData& gradation, StopTrack track) {
  return track == StopTrack::Color ? gradation.colorStops.size() : gradation.alphaStops.size();
}

}  // namespace

EditHistory* ShownHistory(const CanvasEditing& editing, EditHistories& histories) {
  return ShownGradation(editing) == nullptr ? nullptr : histories.ForId(editing.currentIndex + 1);
}

void RecordShownEdit(const CanvasEditing& editing, EditHistories& histories,
                     const GradationData& before, EditKind kind, EditTarget target) {
  EditHistory* history = ShownHistory(editing, histories);
  if (history != nullptr) history->Record(before, *ShownGradation(editing), kind, target);
}

void BeginGesture(const CanvasEditing& editing, Gesture& gesture) {
  const GradationData* shown = ShownGradation(editing);
  gesture.open = shown != nullptr;
  if (shown == nullptr) return;
  gesture.index = editing.currentIndex;
  gesture.before = *shown;
}

void EndGesture(const CanvasEditing& editing, EditHistories& histories, Gesture& gesture) {
  if (!gesture.open) return;
  gesture.open = false;
  if (gesture.index != editing.currentIndex) return;
  const GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return;
  const bool added = shown->colorStops.size() > gesture.before.colorStops.size() ||
                     shown->alphaStops.size() > gesture.before.alphaStops.size();
  RecordShownEdit(editing, histories, gesture.before, added ? EditKind::AddStop : EditKind::Drag);
}

bool CanUndo(const CanvasEditing& editing, EditHistories& histories) {
  const EditHistory* history = ShownHistory(editing, histories);
  return Idle(editing) && history != nullptr && history->CanUndo();
}

bool CanRedo(const CanvasEditing& editing, EditHistories& histories) {
  const EditHistory* history = ShownHistory(editing, histories);
  return Idle(editing) && history != nullptr && history->CanRedo();
}

bool CanEditShown(const CanvasEditing& editing) { return Idle(editing); }

bool CanDistribute(const CanvasEditing& editing, TrackChoice tracks) {
  if (!Idle(editing)) return false;
  const GradationData& shown = *ShownGradation(editing);
  const bool color = tracks != TrackChoice::Alpha && shown.colorStops.size() > 2;
  const bool alpha = tracks != TrackChoice::Color && shown.alphaStops.size() > 2;
  return color || alpha;
}

bool CanDeleteSelectedStop(CanvasEditing& editing) {
  if (!Idle(editing)) return false;
  const StopTrack track = editing.clickedTrack;
  const bool selected = track == StopTrack::Color ? SelectedColorStop(editing) != nullptr
                                                  : SelectedAlphaStop(editing) != nullptr;
  return selected && StopCount(*ShownGradation(editing), track) > 2;
}

CanvasEffects UndoEdit(CanvasEditing& editing, EditHistories& histories) {
  if (!CanUndo(editing, histories)) return {};
  return ShowStep(editing, ShownHistory(editing, histories)->Undo());
}

CanvasEffects RedoEdit(CanvasEditing& editing, EditHistories& histories) {
  if (!CanRedo(editing, histories)) return {};
  return ShowStep(editing, ShownHistory(editing, histories)->Redo());
}

CanvasEffects ReverseShown(CanvasEditing& editing, EditHistories& histories) {
  if (!Idle(editing)) return {};
  GradationData& shown = *ShownGradation(editing);
  const GradationData before = shown;
  ReverseGradation(shown);
  RecordShownEdit(editing, histories, before, EditKind::Reverse);
  return ShowRenumbered(editing, before, IndexMap::Mirrored);
}

CanvasEffects DistributeShown(CanvasEditing& editing, EditHistories& histories,
                              TrackChoice tracks) {
  if (!CanDistribute(editing, tracks)) return {};
  GradationData& shown = *ShownGradation(editing);
  const GradationData before = shown;
  if (tracks != TrackChoice::Alpha) DistributeStops(shown, StopTrack::Color);
  if (tracks != TrackChoice::Color) DistributeStops(shown, StopTrack::Alpha);
  RecordShownEdit(editing, histories, before, EditKind::Distribute);
  return ShowRenumbered(editing, before, IndexMap::Same);
}

CanvasEffects DeleteSelectedStop(CanvasEditing& editing, EditHistories& histories) {
  if (!CanDeleteSelectedStop(editing)) return {};
  GradationData& shown = *ShownGradation(editing);
  const GradationData before = shown;
  const bool color = editing.clickedTrack == StopTrack::Color;
  const bool removed =
      color ? RemoveColorStop(shown, FindColorStop(shown, editing.selectedColor.serial))
            : RemoveAlphaStop(shown, FindAlphaStop(shown, editing.selectedAlpha.serial));
  if (!removed) return {};
  SortAndRenumberStops(shown, editing.clickedTrack);
  (color ? editing.selectedColor : editing.selectedAlpha) = StopSelection{};
  RecordShownEdit(editing, histories, before, EditKind::Delete);
  CanvasEffects effects = ShowEdited(editing);
  (color ? effects.colorRow : effects.opacityRow) = RowChange::kDisable;
  return effects;
}

CanvasEffects NudgeSelectedStop(CanvasEditing& editing, EditHistories& histories, float delta) {
  if (!Idle(editing)) return {};
  const StopTrack track = editing.clickedTrack;
  float position = 0.0f;
  int32_t serial = 0;
  if (track == StopTrack::Color) {
    const ColorStop* stop = SelectedColorStop(editing);
    if (stop == nullptr) return {};
    position = stop->position;
    serial = stop->serial;
  } else {
    const AlphaStop* stop = SelectedAlphaStop(editing);
    if (stop == nullptr) return {};
    position = stop->position;
    serial = stop->serial;
  }
  const GradationData before = *ShownGradation(editing);
  MoveSelectedStop(editing, track, std::clamp(position + delta, 0.0f, 100.0f));
  RecordShownEdit(editing, histories, before, EditKind::Nudge, EditTarget{track, serial});
  return ShowEdited(editing);
}

CanvasEffects ResetShown(CanvasEditing& editing, EditHistories& histories) {
  if (!Idle(editing)) return {};
  GradationData defaults;
  SetDefaultGradation(defaults);
  return ReplaceShown(editing, histories, defaults, EditKind::Reset);
}

CanvasEffects ReplaceShown(CanvasEditing& editing, EditHistories& histories,
                           const GradationData& replacement, EditKind kind) {
  if (!Idle(editing)) return {};
  GradationData& shown = *ShownGradation(editing);
  const GradationData before = shown;
  shown = replacement;
  RecordShownEdit(editing, histories, before, kind);
  return ShowReplaced(editing);
}
