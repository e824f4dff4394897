// The editor's operations beyond the mouse: undo and redo, whole-gradation
// edits, deleting and nudging the selected stop. Free of any window; each
// returns the effects the window layer carries out, as the canvas does. None
// acts in the middle of a drag, whose step is still open.
#pragma once

#include "editor/canvas_editing.h"
#include "editor/edit_history.h"
#include "model/gradation.h"

// The tracks a command acts on.
using TrackSet = PerTrack<bool>;
inline constexpr TrackSet kBothTracks = {{true, true}};
TrackSet OnlyTrack(StopTrack track);

bool CanUndo(const CanvasEditing& editing, EditHistories& histories);
bool CanRedo(const CanvasEditing& editing, EditHistories& histories);
bool CanEditShown(const CanvasEditing& editing);
bool CanDistribute(const CanvasEditing& editing, TrackSet tracks);
bool CanDeleteSelectedStop(CanvasEditing& editing);

CanvasEffects UndoEdit(CanvasEditing& editing, EditHistories& histories);
CanvasEffects RedoEdit(CanvasEditing& editing, EditHistories& histories);
CanvasEffects ReverseShown(CanvasEditing& editing, EditHistories& histories);
CanvasEffects DistributeShown(CanvasEditing& editing, EditHistories& histories, TrackSet tracks);
// Removes the selected stop of the track last clicked; a track keeps at least
// two stops, as with a removal by dragging off.
CanvasEffects DeleteSelectedStop(CanvasEditing& editing, EditHistories& histories);
// Moves the selected stop of the track last clicked by `delta`, held to 0..100.
CanvasEffects NudgeSelectedStop(CanvasEditing& editing, EditHistories& histories, float delta);
// The shown gradation becomes the default one.
CanvasEffects ResetShown(CanvasEditing& editing, EditHistories& histories);
// The shown gradation becomes `replacement` (a paste).
CanvasEffects ReplaceShown(CanvasEditing& editing, EditHistories& histories,
                           const GradationData& replacement, EditKind kind);
