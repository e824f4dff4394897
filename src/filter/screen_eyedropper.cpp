#include "filter/screen_eyedropper.h"

#include <optional>

#include "editor/eyedropper.h"
#include "filter/canvas_mouse.h"
#include "filter/control_ids.h"
#include "filter/editor_state.h"

namespace {

// Capture routes moves over other programs' windows only while a button is
// down, so a timer follows the cursor as well.
constexpr UINT kFollowMilliseconds = 20;

// The window-side state of a pick, and of the press that ended one.
struct Follow {
  POINT last = {0, 0};
  // The press that ended the pick keeps the mouse until its release, so the
  // release reaches no other window.
  UINT awaitedRelease = 0;
  // The right press that cancelled must not open the canvas menu as its
  // release would.
  bool swallowMenu = false;
};
Follow follow;

bool Picking() { return Editor().eyedropper.active; }

std::optional<Rgb> ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return std::nullopt;
  const COLORREF color = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  if (color == CLR_INVALID) return std::nullopt;
  return Rgb{GetRValue(color), GetGValue(color), GetBValue(color)};
}

int32_t Sample(HWND window, POINT at) {
  follow.last = at;
  const std::optional<Rgb> color = ScreenPixel(at);
  if (!color) return 0;
  EditorState& editor = Editor();
  return ApplyCanvasEffects(window, ApplyPickedColor(editor.canvas, editor.eyedropper, *color));
}

// The session has ended; the window lets go of what picking took.
void StopFollowing(HWND window, UINT awaitedRelease) {
  KillTimer(window, kEyedropperTimerId);
  follow.awaitedRelease = awaitedRelease;
  if (awaitedRelease == 0 && GetCapture() == window) ReleaseCapture();
}

int32_t Keep(HWND window, POINT at) {
  Sample(window, at);
  EditorState& editor = Editor();
  const CanvasEffects effects = CommitPicking(editor.canvas, editor.histories, editor.eyedropper);
  StopFollowing(window, WM_LBUTTONUP);
  return ApplyCanvasEffects(window, effects);
}

int32_t Cancel(HWND window, UINT awaitedRelease) {
  EditorState& editor = Editor();
  const CanvasEffects effects = CancelPicking(editor.canvas, editor.eyedropper);
  StopFollowing(window, awaitedRelease);
  return ApplyCanvasEffects(window, effects);
}

POINT ScreenPoint(HWND window, LPARAM clientPoint) {
  POINT at = {static_cast<int16_t>(LOWORD(clientPoint)), static_cast<int16_t>(HIWORD(clientPoint))};
  ClientToScreen(window, &at);
  return at;
}

}  // namespace

bool StartEyedropper(HWND window) {
  EditorState& editor = Editor();
  if (!BeginPicking(editor.canvas, editor.eyedropper)) return false;
  follow = Follow{};
  GetCursorPos(&follow.last);
  // Esc must reach the filter window.
  SetFocus(window);
  SetCapture(window);
  SetCursor(LoadCursor(nullptr, IDC_CROSS));
  SetTimer(window, kEyedropperTimerId, kFollowMilliseconds, nullptr);
  return true;
}

bool EyedropperMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int32_t* result) {
  *result = 0;
  if (!Picking()) {
    switch (message) {
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
        if (message != follow.awaitedRelease) return false;
        follow.awaitedRelease = 0;
        if (GetCapture() == window) ReleaseCapture();
        return true;
      case WM_CAPTURECHANGED:
        follow.awaitedRelease = 0;
        return false;
      case WM_CONTEXTMENU: {
        const bool swallow = follow.swallowMenu;
        follow.swallowMenu = false;
        *result = swallow ? 1 : 0;
        return swallow;
      }
      case WM_RBUTTONDOWN:
      case WM_KEYDOWN:
        follow.swallowMenu = false;
        return false;
      default:
        return false;
    }
  }
  switch (message) {
    case WM_TIMER: {
      if (wParam != kEyedropperTimerId) return false;
      POINT at;
      if (GetCursorPos(&at) && (at.x != follow.last.x || at.y != follow.last.y)) {
        *result = Sample(window, at);
      }
      return true;
    }
    case WM_MOUSEMOVE:
      *result = Sample(window, ScreenPoint(window, lParam));
      return true;
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, IDC_CROSS));
      *result = 1;
      return true;
    case WM_LBUTTONDOWN:
      *result = Keep(window, ScreenPoint(window, lParam));
      return true;
    case WM_RBUTTONDOWN:
      follow.swallowMenu = true;
      *result = Cancel(window, WM_RBUTTONUP);
      return true;
    case WM_KEYDOWN:
      // The other keys wait: an undo now would step past the open pick.
      if (wParam == VK_ESCAPE) *result = Cancel(window, 0);
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) == window) return true;
      *result = Cancel(window, 0);
      return true;
    case WM_DESTROY:
      Cancel(window, 0);
      return false;
    default:
      return false;
  }
}

void CancelEyedropper(HWND window) {
  if (Picking()) Cancel(window, 0);
}

void AbandonEyedropper(HWND window, int32_t firstId, int32_t count) {
  Eyedropper& picker = Editor().eyedropper;
  const int32_t id = picker.index + 1;
  if (!picker.active || id < firstId || id - firstId >= count) return;
  AbandonPicking(picker);
  StopFollowing(window, 0);
}
