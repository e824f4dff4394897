#include "menu_capture.h"

#include <algorithm>
#include <vector>

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
  bool openSubmenu = false;
  bool submenuAsked = false;
  CapturedImage result;
  bool menuSeen = false;
  bool timedOut = false;
};

// Timer procedures carry no data of their own; one capture runs at a time.
MenuCapture* g_capture = nullptr;

// The visible popup menus of this thread, the first opened first: the one
// the filter window opened, then a submenu opened from it.
std::vector<HWND> OpenPopupMenus() {
  std::vector<HWND> menus;
  for (HWND menu = FindWindowExA(nullptr, nullptr, kPopupMenuClass, nullptr); menu != nullptr;
       menu = FindWindowExA(nullptr, menu, kPopupMenuClass, nullptr)) {
    if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId()) {
      menus.insert(menus.begin(), menu);  // the list runs from the top of the z-order
    }
  }
  return menus;
}

// Opens the menu's first submenu with the keys a user would press: down to
// its item (the keys skip separators, not grey items), then right. The
// menu's own loop reads them from this thread's queue.
void AskForSubmenu(HWND popup) {
  const auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
  const int count = GetMenuItemCount(menu);
  int downs = 0;
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    if ((state & MF_SEPARATOR) == 0) ++downs;
    if (GetSubMenu(menu, i) != nullptr) break;
  }
  for (int i = 0; i < downs; ++i) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(popup, WM_KEYDOWN, VK_RIGHT, 0);
}

void CALLBACK OnPoll(HWND, UINT, UINT_PTR, DWORD) {
  MenuCapture* capture = g_capture;
  if (capture == nullptr || capture->menuSeen || capture->timedOut) return;
  const std::vector<HWND> menus = OpenPopupMenus();
  const size_t wanted = capture->openSubmenu ? 2 : 1;
  if (menus.size() >= wanted) {
    capture->menuSeen = true;
    const COLORREF desktop = GetSysColor(COLOR_DESKTOP);
    const uint32_t background = static_cast<uint32_t>(GetRValue(desktop)) << 16 |
                                static_cast<uint32_t>(GetGValue(desktop)) << 8 | GetBValue(desktop);
    // Each overlay may grow the picture up or left, moving its origin.
    CapturedImage picture = capture->window;
    POINT origin = capture->clientOrigin;
    for (size_t i = 0; i < wanted; ++i) {
      const CapturedImage popup = CaptureWholeWindow(menus[i]);
      RECT frame;
      if (popup.pixels.empty() || !GetWindowRect(menus[i], &frame)) {
        picture = {};
        break;
      }
      picture =
          OverlayImage(picture, popup, frame.left - origin.x, frame.top - origin.y, background);
      origin.x = std::min<LONG>(origin.x, frame.left);
      origin.y = std::min<LONG>(origin.y, frame.top);
    }
    capture->result = std::move(picture);
    EndMenu();
  } else if (capture->openSubmenu && !capture->submenuAsked && menus.size() == 1) {
    capture->submenuAsked = true;
    AskForSubmenu(menus[0]);
  } else if (GetTickCount() - capture->started > kMenuTimeoutMilliseconds) {
    capture->timedOut = true;
    EndMenu();
  }
}

}  // namespace

CapturedImage CaptureWithContextMenu(HWND mainWindow, HWND filterWindow, int x, int y,
                                     bool openSubmenu, std::string& error) {
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
  capture.openSubmenu = openSubmenu;
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
    error = std::string(capture.submenuAsked ? "no submenu" : "no popup menu") +
            " appeared within 5 seconds of the right click at " + where;
  } else if (!capture.menuSeen) {
    error = "no context menu opened at " + where;
  } else if (capture.result.pixels.empty()) {
    error = "cannot capture the context menu";
  }
  return capture.result;
}
