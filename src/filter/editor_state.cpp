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

void ForgetSelections() {
  EditorState& editor = Editor();
  editor.canvas.selectedColor = StopSelection{};
  editor.canvas.selectedAlpha = StopSelection{};
  editor.canvas.dragMode = 0;
}

void InvalidateCanvas(HWND window) { InvalidateRect(window, &Editor().canvasRect, FALSE); }

void StoreLoadedGradation(int32_t index, GradationData&& loaded, BankChangeReason reason) {
  if (index < 0 || index >= kBankSize) return;
  GradationBank[index] = std::move(loaded);
  NotifyBankReplaced({index + 1, 1, reason});
}
