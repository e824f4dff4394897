#include "filter/canvas_mouse.h"

#include "editor/canvas_drag.h"
#include "editor/canvas_editing.h"
#include "filter/editor_state.h"
#include "filter/property_panel.h"
#include "panekin/property_group.h"

namespace {

void ChangeRow(Panekin::PropertyGroup* group, RowChange change) {
  if (group == nullptr || change == RowChange::kKeep) return;
  group->Enable(change == RowChange::kEnable);
}

}  // namespace

int32_t ApplyCanvasEffects(HWND window, const CanvasEffects& effects) {
  EditorState& editor = Editor();
  const CanvasInvalidationBatch batch;
  if (effects.releaseCapture && GetCapture() == window) ReleaseCapture();
  if (effects.invalidate) InvalidateCanvas(window);
  for (StopTrack track : kStopTracks) ChangeRow(editor.groups[track].get(), effects.rows[track]);
  if (effects.refreshPanel) RefreshPanel();
  // Taken last: the panel's nested commands may replace the shown lists and
  // end the drag, and a capture without a drag would never be released.
  if (effects.capture && editor.canvas.draggedTrack) SetCapture(window);
  return effects.result;
}

int32_t HandleButtonDown(HWND window, int32_t x, int32_t y) {
  EditorState& editor = Editor();
  // The keys act on the canvas once it was pressed.
  SetFocus(window);
  BeginGesture(editor.canvas, editor.gesture);
  return ApplyCanvasEffects(window, PressOnCanvas(editor.canvas, x, y));
}

int32_t HandleMouseMove(HWND window, int32_t x, int32_t y) {
  return ApplyCanvasEffects(window, MoveOnCanvas(Editor().canvas, x, y));
}

int32_t HandleButtonUp(HWND window, int32_t /*x*/) {
  EditorState& editor = Editor();
  const bool dragging = editor.canvas.draggedTrack.has_value();
  const CanvasEffects effects = ReleaseOnCanvas(editor.canvas);
  if (dragging) {
    EndGesture(editor.canvas, editor.histories, editor.gesture);
  } else {
    editor.gesture.open = false;
  }
  const int32_t result = ApplyCanvasEffects(window, effects);
  // A drag ended early (its gradation replaced meanwhile) must not keep the mouse.
  if (GetCapture() == window) ReleaseCapture();
  return result;
}

int32_t HandleCaptureLost(HWND window, HWND newOwner) {
  if (newOwner == window || !Editor().canvas.draggedTrack) return 0;
  return HandleButtonUp(window, 0);
}
