// What the editor window remembers between messages: one process-wide record
// from the library's load to its unload. The script face never sees it; it
// hears of replaced bank entries through the model's listener.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "editor/canvas_editing.h"
#include "editor/edit_history.h"
#include "editor/eyedropper.h"
#include "editor/shown_history.h"
#include "model/banks.h"
#include "model/gradation.h"

class ColorTextbox;
namespace Panekin {
class NumberTextbox;
class PropertyGroup;
}  // namespace Panekin

struct EditorState {
  EditorState();
  ~EditorState();

  // The shown gradation, the width, the drag and the selections: platform-free,
  // see canvas_editing.h.
  CanvasEditing canvas;
  // Undo and redo for each ID; the press whose drag is under way.
  EditHistories histories;
  Gesture gesture;
  // The colour pick under way, if any.
  Eyedropper eyedropper;
  // While the panel shows the selection its entries echo their values back:
  // no typed step.
  bool panelRefreshing = false;
  // The panel's objects, from InitFilter to ExitFilter; their windows belong
  // to the filter window.
  std::unique_ptr<ColorTextbox> colorTextbox;
  std::unique_ptr<Panekin::NumberTextbox> opacityTextbox;
  // Each track's row, around its entry above.
  PerTrack<std::unique_ptr<Panekin::PropertyGroup>> groups;
  HWND window = nullptr;
  RECT canvasRect = {0, 0, 0, 0};
  // Open CanvasInvalidationBatch scopes, and the window one of them deferred.
  int32_t invalidationBatches = 0;
  HWND deferredInvalidation = nullptr;
  COLORREF customColors[16] = {};
};

EditorState& Editor();

void InvalidateCanvas(HWND window);

// While one is open, InvalidateCanvas only notes the window; the outermost
// invalidates it once as it closes. A drag step's panel echoes each ask for
// the canvas again, and each asking is a round trip to the window system.
class CanvasInvalidationBatch {
 public:
  CanvasInvalidationBatch();
  ~CanvasInvalidationBatch();
  CanvasInvalidationBatch(const CanvasInvalidationBatch&) = delete;
  CanvasInvalidationBatch& operator=(const CanvasInvalidationBatch&) = delete;
};

// A gradation the user loaded from a file or a drop replaces bank entry
// `index`, the one the editor addressed when the load began; the model is told.
void StoreLoadedGradation(int32_t index, GradationData&& loaded, BankChangeReason reason);
