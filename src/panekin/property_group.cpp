#include "panekin/property_group.h"

namespace Panekin {

namespace {

constexpr int kRowOffset = 20;  // from the group box's top to its row of controls
constexpr int kControlX = 16;   // the caller's control, inside the frame
constexpr int kNumberBoxFromRight = 144;
constexpr int kColorBoxFromRight = 72;
constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

HWND CreateGroupBox(const char* caption, HWND parent, HINSTANCE instance, int id) {
  return CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                         nullptr);
}

}  // namespace

PropertyGroup::PropertyGroup(const char* caption, HWND parent, HINSTANCE instance, int y, int width,
                             int idBase, HWND control, HFONT captionFont)
    : groupBox_(CreateGroupBox(caption, parent, instance, idBase)),
      control_(control),
      numberBox_(parent, instance, idBase + 2),
      colorBox_(parent, instance, idBase + 3) {
  SendMessageA(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont), TRUE);
  numberBox_.SetDecimals(1);
  Move(y);
  Resize(width);
}

void PropertyGroup::Move(int y) {
  x_ = kX;
  y_ = y;
  SetWindowPos(groupBox_, nullptr, x_, y_, 0, 0, kMoveOnly);
  SetWindowPos(control_, nullptr, kControlX, y_ + kRowOffset, 0, 0, kMoveOnly);
  PlaceBoxes();
}

void PropertyGroup::Resize(int width) {
  width_ = width;
  height_ = kHeight;
  SetWindowPos(groupBox_, nullptr, 0, 0, width_, height_, kSizeOnly);
  PlaceBoxes();
}

void PropertyGroup::Enable(bool enabled) {
  const BOOL flag = enabled ? TRUE : FALSE;
  EnableWindow(groupBox_, flag);
  EnableWindow(control_, flag);
  EnableWindow(numberBox_.EditWindow(), flag);
  EnableWindow(colorBox_.BoxWindow(), flag);
}

void PropertyGroup::PlaceBoxes() {
  const int right = x_ + width_;
  SetWindowPos(numberBox_.EditWindow(), nullptr, right - kNumberBoxFromRight, y_ + kRowOffset, 0, 0,
               kMoveOnly);
  SetWindowPos(colorBox_.BoxWindow(), nullptr, right - kColorBoxFromRight, y_ + kRowOffset, 0, 0,
               kMoveOnly);
}

}  // namespace Panekin
