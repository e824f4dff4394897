// What the editor window remembers between messages: one process-wide record,
// shared with the script face, which repaints when it replaces the shown
// gradation.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "filter/canvas_editing.h"
#include "model/gradation.h"

class ColorTextbox;
namespace Panekin {
class NumberTextbox;
class PropertyGroup;
}  // namespace Panekin

// The canvas's part (the shown gradation, the width, the drag and the
// selections) is platform-free; see canvas_editing.h.
struct EditorState : CanvasEditing {
  EditorState();
  ~EditorState();

  int32_t currentIndex = 0;
  // The panel's objects, from InitFilter to ExitFilter; their windows belong
  // to the filter window.
  std::unique_ptr<ColorTextbox> colorTextbox;
  std::unique_ptr<Panekin::PropertyGroup> colorGroup;
  std::unique_ptr<Panekin::NumberTextbox> opacityTextbox;
  std::unique_ptr<Panekin::PropertyGroup> opacityGroup;
  HWND window = nullptr;
  RECT canvasRect = {0, 0, 0, 0};
  COLORREF customColors[16] = {};
};

EditorState& Editor();

// The shown gradation's lists were switched or replaced: nothing selected in
// them may be written or looked up again.
void ForgetSelections();

void InvalidateCanvas(HWND window);
