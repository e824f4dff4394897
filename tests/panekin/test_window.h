// A real parent window to build controls in, and what a user's keyboard and mouse send them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace Panekin::Testing {

// A shown popup window that records the WM_COMMANDs it receives and the IDs of the children
// created in it, in order.
class TestParent {
 public:
  TestParent();
  ~TestParent();
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;

  HWND Window() const { return window_; }
  HINSTANCE Instance() const { return GetModuleHandleA(nullptr); }
  static std::vector<std::pair<int, int>>& Commands();  // (ID, notification code)
  static std::vector<int>& CreatedChildren();

 private:
  HWND window_;
};

std::string WindowText(HWND window);
// Selects [start, end); end -1 is the end of the text. start -1 puts the caret at the end.
void Select(HWND edit, int start, int end);
// Each character as the keyboard delivers it: WM_KEYDOWN, WM_CHAR, WM_KEYUP.
void Type(HWND window, const std::string& text);
// A key that makes no character: WM_KEYDOWN, WM_KEYUP.
void Press(HWND window, UINT virtualKey);
// False when the clipboard refused the text.
bool PutOnClipboard(HWND owner, const std::string& text);
// x, y, width, height in the parent's client area.
std::vector<int> PlaceInParent(HWND window);
// Every pixel of the client area after a repaint, row after row.
std::vector<COLORREF> PaintedClient(HWND window);
// A static control made as the colour box's is, left to paint itself.
HWND PlainStatic(HWND parent);

}  // namespace Panekin::Testing
