#include "filter/dropped_files.h"

#include "filter/editor_state.h"
#include "persist/gradation_file.h"

#include <utility>

void LoadDroppedGradation(HDROP drop, HWND window) {
  char path[MAX_PATH] = {};
  GradationData loaded;
  // A failed drop stays silent: the gradation stays as it was.
  if (DragQueryFileA(drop, 0, path, MAX_PATH) != 0 && LoadGradationFile(path, loaded)) {
    StoreLoadedGradation(Editor().canvas.currentIndex, std::move(loaded), BankChangeReason::Drop);
  }
  DragFinish(drop);
  InvalidateCanvas(window);
}
