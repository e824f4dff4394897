// The shown entry's undo history as the editor fills it: each edit of the
// shown gradation is recorded as one step, and a press with its drag to the
// release makes a single step.
#pragma once

#include <cstdint>

#include "editor/canvas_editing.h"
#include "editor/edit_history.h"
#include "model/gradation.h"

// The history of the shown ID; null before the first update.
EditHistory* ShownHistory(const CanvasEditing& editing, EditHistories& histories);

// The shown gradation went from `before` to what it is now through one edit.
void RecordShownEdit(const CanvasEditing& editing, EditHistories& histories,
                     const GradationData& before, EditKind kind, EditTarget target = {});

// A press on the canvas and its drag to the release make one step: adding a
// stop is the press's own part of it.
struct Gesture {
  bool open = false;
  int32_t index = -1;
  GradationData before;
};
void BeginGesture(const CanvasEditing& editing, Gesture& gesture);
// After the release; a drag that was cut short (its entry replaced) records
// nothing.
void EndGesture(const CanvasEditing& editing, EditHistories& histories, Gesture& gesture);
