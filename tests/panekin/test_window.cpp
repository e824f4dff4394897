#include "test_window.h"

#include <cstring>

namespace Panekin::Testing {

namespace {

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) TestParent::Commands().emplace_back(LOWORD(wParam), HIWORD(wParam));
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) {
    TestParent::CreatedChildren().push_back(HIWORD(wParam));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LPARAM KeyLParam(UINT virtualKey, bool release) {
  LPARAM lParam = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0) & 0xFF) << 16;
  return release ? lParam | static_cast<LPARAM>(3) << 30 : lParam;
}

}  // namespace

TestParent::TestParent() {
  static const ATOM registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "PanekinTestParent";
    return RegisterClassA(&windowClass);
  }();
  Commands().clear();
  CreatedChildren().clear();
  // Created hidden, then shown: Wine waits two seconds on destroying a window created visible,
  // for a window manager that Xvfb does not have.
  window_ = CreateWindowExA(0, MAKEINTATOM(registered), "", WS_POPUP, 0, 0, 560, 320, nullptr,
                            nullptr, Instance(), nullptr);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TestParent::~TestParent() { DestroyWindow(window_); }

std::vector<std::pair<int, int>>& TestParent::Commands() {
  static std::vector<std::pair<int, int>> commands;
  return commands;
}

std::vector<int>& TestParent::CreatedChildren() {
  static std::vector<int> children;
  return children;
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void Select(HWND edit, int start, int end) {
  if (start < 0) start = end = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, start, end);
}

void Type(HWND window, const std::string& text) {
  for (const char c : text) {
    const UINT virtualKey = LOBYTE(VkKeyScanA(c));
    SendMessageA(window, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
    SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), KeyLParam(virtualKey, false));
    SendMessageA(window, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
  }
}

void Press(HWND window, UINT virtualKey) {
  SendMessageA(window, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
  SendMessageA(window, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
}

bool PutOnClipboard(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool placed = false;
  if (memory != nullptr) {
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!placed) GlobalFree(memory);
  }
  CloseClipboard();
  return placed;
}

std::vector<int> PlaceInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::vector<COLORREF> PaintedClient(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT client;
  GetClientRect(window, &client);
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(window, dc);
  return pixels;
}

HWND PlainStatic(HWND parent) {
  return CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 400, 10,
                         64, 18, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace Panekin::Testing
