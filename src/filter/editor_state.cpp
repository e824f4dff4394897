#include "filter/editor_state.h"

#include "filter/color_textbox.h"
#include "panekin/number_textbox.h"
#include "panekin/property_group.h"

#include <utility>

EditorState::EditorState() = default;
EditorState::~EditorState() = default;

EditorState& Editor() {
  static EditorState state;
  return state;
}

void InvalidateCanvas(HWND window) {
  EditorState& editor = Editor();
  if (editor.invalidationBatches > 0 &&
      (editor.deferredInvalidation == nullptr || editor.deferredInvalidation == window)) {
    editor.deferredInvalidation = window;
    return;
  }
  InvalidateRect(window, &editor.canvasRect, FALSE);
}

CanvasInvalidationBatch::CanvasInvalidationBatch() { ++Editor().invalidationBatches; }

CanvasInvalidationBatch::~CanvasInvalidationBatch() {
  EditorState& editor = Editor();
  if (--editor.invalidationBatches > 0 || editor.deferredInvalidation == nullptr) return;
  const HWND window = editor.deferredInvalidation;
  editor.deferredInvalidation = nullptr;
  InvalidateRect(window, &editor.canvasRect, FALSE);
}

void StoreLoadedGradation(int32_t index, GradationData&& loaded, BankChangeReason reason) {
  if (index < 0 || index >= kBankSize) return;
  // The editor's own load is a step; the listener keeps the ID's history.
  if (EditHistory* history = Editor().histories.ForId(index + 1)) {
    history->Record(GradationBank[index], loaded, EditKind::Load);
  }
  GradationBank[index] = std::move(loaded);
  NotifyBankReplaced({index + 1, 1, reason});
}
