#include "editor/editor_commands.h"

#include <algorithm>
#include <iterator>

#include "editor/shown_history.h"
#include "model/banks.h"
#include "model/gradation_transforms.h"
#include "model/stop_editing.h"

namespace {

bool Idle(const CanvasEditing& editing) {
  return !editing.draggedTrack && ShownGradation(editing) != nullptr;
}

// Repaint and show the selected stops again; a row whose stop is gone is
// disabled, as after a removal by dragging off.
CanvasEffects ShowEdited(CanvasEditing& editing) {
  CanvasEffects effects;
  effects.result = 1;
  effects.invalidate = true;
  effects.refreshPanel = true;
  for (StopTrack track : kStopTracks) {
    if (editing.selected[track].valid && SelectedStopIndex(editing, track) < 0) {
      effects.rows[track] = RowChange::kDisable;
    }
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
CanvasEffects ShowRenumbered(CanvasEditing& editing, const GradationData& before, IndexMap map) {
  const GradationData& after = *ShownGradation(editing);
  for (StopTrack track : kStopTracks) {
    StopSelection& selection = editing.selected[track];
    if (!selection.valid) continue;
    const int32_t index = FindStop(before, track, selection.serial);
    const size_t count = StopCount(after, track);
    if (index < 0 || StopCount(before, track) != count) {
      selection = StopSelection{};
      continue;
    }
    const size_t moved =
        map == IndexMap::Same ? static_cast<size_t>(index) : count - 1 - static_cast<size_t>(index);
    selection.serial =
        VisitStops(after, track, [moved](const auto& stops) { return stops[moved].serial; });
  }
  return ShowEdited(editing);
}

// A gradation put in place of the shown one keeps no selection.
CanvasEffects ShowReplaced(CanvasEditing& editing) {
  CanvasEffects effects = ShowEdited(editing);
  for (StopTrack track : kStopTracks) {
    if (editing.selected[track].valid) effects.rows[track] = RowChange::kDisable;
    editing.selected[track] = StopSelection{};
  }
  return effects;
}

}  // namespace

TrackSet OnlyTrack(StopTrack track) {
  TrackSet tracks;
  tracks[track] = true;
  return tracks;
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

bool CanDistribute(const CanvasEditing& editing, TrackSet tracks) {
  if (!Idle(editing)) return false;
  const GradationData& shown = *ShownGradation(editing);
  return std::any_of(std::begin(kStopTracks), std::end(kStopTracks),
                     [&](StopTrack track) { return tracks[track] && StopCount(shown, track) > 2; });
}

bool CanDeleteSelectedStop(CanvasEditing& editing) {
  if (!Idle(editing)) return false;
  const StopTrack track = editing.clickedTrack;
  return SelectedStopIndex(editing, track) >= 0 && StopCount(*ShownGradation(editing), track) > 2;
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

CanvasEffects DistributeShown(CanvasEditing& editing, EditHistories& histories, TrackSet tracks) {
  if (!CanDistribute(editing, tracks)) return {};
  GradationData& shown = *ShownGradation(editing);
  const GradationData before = shown;
  for (StopTrack track : kStopTracks) {
    if (tracks[track]) DistributeStops(shown, track);
  }
  RecordShownEdit(editing, histories, before, EditKind::Distribute);
  return ShowRenumbered(editing, before, IndexMap::Same);
}

CanvasEffects DeleteSelectedStop(CanvasEditing& editing, EditHistories& histories) {
  if (!CanDeleteSelectedStop(editing)) return {};
  GradationData& shown = *ShownGradation(editing);
  const GradationData before = shown;
  const StopTrack track = editing.clickedTrack;
  if (!RemoveStop(shown, track, FindStop(shown, track, editing.selected[track].serial))) return {};
  SortAndRenumberStops(shown, track);
  editing.selected[track] = StopSelection{};
  RecordShownEdit(editing, histories, before, EditKind::Delete);
  CanvasEffects effects = ShowEdited(editing);
  effects.rows[track] = RowChange::kDisable;
  return effects;
}

CanvasEffects NudgeSelectedStop(CanvasEditing& editing, EditHistories& histories, float delta) {
  if (!Idle(editing)) return {};
  const StopTrack track = editing.clickedTrack;
  const int32_t index = SelectedStopIndex(editing, track);
  if (index < 0) return {};
  const GradationData before = *ShownGradation(editing);
  const float position = VisitStops(before, track, [index](const auto& stops) {
    return stops[static_cast<size_t>(index)].position;
  });
  const int32_t serial = editing.selected[track].serial;
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
