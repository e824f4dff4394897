#include "filter/filter_callbacks.h"

#include <shellapi.h>

#include "editor/canvas_layout.h"
#include "filter/canvas_commands.h"
#include "filter/canvas_mouse.h"
#include "filter/canvas_window.h"
#include "filter/dropped_files.h"
#include "filter/editor_state.h"
#include "filter/property_panel.h"
#include "filter/screen_eyedropper.h"
#include "model/banks.h"

namespace {

// The editor's one listener for replaced bank entries. Selections in the
// shown entry are stale, and its rows are disabled, since typing there could
// reach nothing. A script's replacement is painted at once, inside the script
// call; the other replacers repaint, or have the host update, themselves.
void OnBankReplaced(const BankChange& change) {
  EditorState& editor = Editor();
  editor.histories.ForgetReplaced(change);
  AbandonEyedropper(editor.window, change.firstId, change.count);
  const int32_t shownId = editor.canvas.currentIndex + 1;
  if (ShownGradation(editor.canvas) == nullptr || shownId < change.firstId ||
      shownId - change.firstId >= change.count) {
    return;
  }
  ForgetSelections(editor.canvas);
  DisablePropertyGroups();
  if (change.reason == BankChangeReason::Script && editor.window != nullptr) {
    PaintCanvas(editor.window);
  }
}

// Client coordinates arrive as two signed 16-bit halves.
int32_t LowX(LPARAM lParam) { return static_cast<int16_t>(LOWORD(lParam)); }
int32_t HighY(LPARAM lParam) { return static_cast<int16_t>(HIWORD(lParam)); }

HFONT HostUiFont(FilterRecord* filter) {
  if (filter->host == nullptr || filter->host->querySystemInfo == nullptr) return nullptr;
  HostSystemInfo info = {};
  if (filter->host->querySystemInfo(nullptr, &info) == 0) return nullptr;
  return info.uiFont;
}

}  // namespace

extern "C" {

int32_t __cdecl InitFilter(FilterRecord* filter) {
  EditorState& editor = Editor();
  editor.window = filter->window;
  ResetBankToDefaults();
  DragAcceptFiles(editor.window, TRUE);
  RECT client = {0, 0, 0, 0};
  GetClientRect(editor.window, &client);
  editor.canvasRect = RECT{0, kCanvasTop, client.right, kCanvasBottom};
  editor.canvas.clientWidth = client.right;
  editor.canvas.draggedTrack.reset();
  // The reset above came before the listener: no undo may reach past it.
  editor.histories.ForgetReplaced({1, kBankSize, BankChangeReason::Reset});
  SetBankChangeListener(OnBankReplaced);
  const HFONT font = HostUiFont(filter);
  if (font != nullptr) CreatePropertyPanel(filter->instance, editor.window, font);
  return 1;
}

int32_t __cdecl UpdateFilter(FilterRecord* filter, int32_t status) {
  if (status != kUpdateAllValues && status != kUpdateFirstTrack) return 1;
  // The descriptor confines the track to 1..50; a host that hands anything
  // else (or no values at all) must not make the editor index outside the bank.
  if (filter->trackValues == nullptr) return 1;
  const int32_t id = filter->trackValues[0];
  if (id < 1 || id > kBankSize) return 1;
  EditorState& editor = Editor();
  if (id - 1 != editor.canvas.currentIndex) CancelEyedropper(editor.window);
  editor.canvas.currentIndex = id - 1;
  editor.canvas.shown = true;
  ForgetSelections(editor.canvas);
  InvalidateCanvas(editor.window);
  DisablePropertyGroups();
  return 1;
}

int32_t __cdecl FilterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* /*editHandle*/, FilterRecord* filter) {
  int32_t result = 0;
  if (EyedropperMessage(window, message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_PAINT:
      HandlePaint(window);
      return 0;
    case WM_COMMAND:
      if (RunCanvasCommand(window, LOWORD(wParam))) return 1;
      return HandlePanelCommand(filter, HIWORD(wParam), window, LOWORD(wParam));
    case WM_KEYDOWN:
      return HandleEditorKey(window, wParam) ? 1 : 0;
    case WM_CONTEXTMENU:
      return HandleCanvasContextMenu(window, lParam) ? 1 : 0;
    case WM_MOUSEMOVE:
      return HandleMouseMove(window, LowX(lParam), HighY(lParam));
    case WM_LBUTTONDOWN:
      return HandleButtonDown(window, LowX(lParam), HighY(lParam));
    case WM_LBUTTONUP:
      return HandleButtonUp(window, LowX(lParam));
    case WM_CAPTURECHANGED:
      return HandleCaptureLost(window, reinterpret_cast<HWND>(lParam));
    case WM_DROPFILES:
      LoadDroppedGradation(reinterpret_cast<HDROP>(wParam), window);
      return 1;
    case kHostResetMessage:
      ResetBankToDefaults();
      return 0;
    default:
      return 0;
  }
}

int32_t __cdecl ExitFilter(FilterRecord* /*filter*/) {
  CancelEyedropper(Editor().window);
  DestroyPropertyPanel();
  SetBankChangeListener(nullptr);
  return 1;
}

}  // extern "C"
