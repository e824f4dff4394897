// Picking the selected colour stop's colour off the screen: the session
// between its start and its end, free of any window. The window layer reads
// the pixels and says how the session ends; this part keeps the colour the
// stop had, so that a cancel puts it back, and makes a kept pick one step.
#pragma once

#include <cstdint>

#include "editor/canvas_editing.h"
#include "editor/edit_history.h"
#include "model/gradation.h"

struct Eyedropper {
  bool active = false;
  int32_t index = -1;  // the bank entry picked in
  int32_t serial = 0;  // its colour stop being recoloured
  GradationData before;
};

// A colour stop of the shown gradation is selected, and no drag is under way.
bool CanPickColor(CanvasEditing& editing);
// False, with nothing started, where CanPickColor is false.
bool BeginPicking(CanvasEditing& editing, Eyedropper& picker);
// The stop takes `color`, shown live; nothing enters the history yet.
CanvasEffects ApplyPickedColor(CanvasEditing& editing, Eyedropper& picker, Rgb color);
// Keeps the colour: one step, none if the colour ends as it began.
CanvasEffects CommitPicking(CanvasEditing& editing, EditHistories& histories, Eyedropper& picker);
// The stop gets back the colour it had; nothing enters the history.
CanvasEffects CancelPicking(CanvasEditing& editing, Eyedropper& picker);
// The picked entry was replaced from elsewhere: the session ends touching
// nothing, since what it would restore is gone.
void AbandonPicking(Eyedropper& picker);
