#include "menu_capture.h"

#include "window_capture.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMilliseconds = 20;
constexpr DWORD kMenuTimeoutMilliseconds = 5000;
// The system's class of popup menu windows.
constexpr char kPopupMenuClass[] = "#32768";

struct MenuCapture {
  CapturedImage window;  // the client area before the menu opened
  POINT clientOrigin;    // its top-left corner on the screen
  DWORD started;
  CapturedImage result;
  bool menuSeen = false;
  bool timedOut = false;
};

// Timer procedures carry no data of their own; one capture runs at a time.
MenuCapture* g_capture = nullptr;

// A visible popup menu of this thread: the one the filter window opened.
HWND OpenPopupMenu() {
  for (HWND menu = FindWindowExA(nullptr, nullptr, kPopupMenuClass, nullptr); menu != nullptr;
       menu = FindWindowExA(nullptr, menu, kPopupMenuClass, nullptr)) {
    if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId()) {
      return menu;
    }
  }
  return nullptr;
}

void CALLBACK OnPoll(HWND, UINT, UINT_PTR, DWORD) {
  MenuCapture* capture = g_capture;
  if (capture == nullptr || capture->menuSeen || capture->timedOut) return;
  if (HWND menu = OpenPopupMenu()) {
    capture->menuSeen = true;
    const CapturedImage popup = CaptureWholeWindow(menu);
    RECT frame;
    if (!popup.pixels.empty() && GetWindowRect(menu, &frame)) {
      const COLORREF desktop = GetSysColor(COLOR_DESKTOP);
      const uint32_t background = static_cast<uint32_t>(GetRValue(desktop)) << 16 |
                                  static_cast<uint32_t>(GetGValue(desktop)) << 8 |
                                  GetBValue(desktop);
      capture->result = OverlayImage(capture->window, popup, frame.left - capture->clientOrigin.x,
                                     frame.top - capture->clientOrigin.y, background);
    }
    EndMenu();
  } else if (GetTickCount() - capture->started > kMenuTimeoutMilliseconds) {
    capture->timedOut = true;
    EndMenu();
  }
}

}  // namespace

CapturedImage CaptureWithContextMenu(HWND mainWindow, HWND filterWindow, int x, int y,
                                     std::string& error) {
  const std::string where = std::to_string(x) + "," + std::to_string(y);
  MenuCapture capture;
  capture.window = CaptureClientArea(mainWindow);
  capture.clientOrigin = POINT{0, 0};
  if (capture.window.pixels.empty() || !ClientToScreen(mainWindow, &capture.clientOrigin)) {
    error = "cannot capture the window";
    return {};
  }
  POINT screen = {x, y};
  ClientToScreen(filterWindow, &screen);
  capture.started = GetTickCount();
  g_capture = &capture;
  const UINT_PTR timer = SetTimer(mainWindow, kPollTimer, kPollMilliseconds, OnPoll);
  if (timer == 0) {
    g_capture = nullptr;
    error = "cannot start the timer that watches for the menu";
    return {};
  }
  // The plug-in opens its menu inside this call and returns once it is closed.
  SendMessageA(filterWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(filterWindow),
               MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
  KillTimer(mainWindow, timer);
  g_capture = nullptr;
  if (capture.timedOut) {
    error = "no popup menu appeared within 5 seconds of the right click at " + where;
  } else if (!capture.menuSeen) {
    error = "no context menu opened at " + where;
  } else if (capture.result.pixels.empty()) {
    error = "cannot capture the context menu";
  }
  return capture.result;
}
