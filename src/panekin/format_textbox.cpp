#include "panekin/format_textbox.h"

#include <cstdint>
#include <cstring>

namespace Panekin {

namespace {

constexpr int kDefaultTextLimit = 64;
constexpr char kFontFace[] = "MS UI Gothic";

static_assert(sizeof(unsigned long) == sizeof(uint32_t), "the hexadecimal boxes hold 32 bits");

TextBuffer Display(const char* format, unsigned long value) {
  return DisplayText(format, static_cast<uint32_t>(value));
}

TextBuffer Display(const char* format, double value) { return DisplayText(format, value); }

}  // namespace

template <typename T>
FormatTextbox<T>::FormatTextbox(HWND parent, HINSTANCE instance, int controlId) {
  format_.text[0] = '\0';
  editWindow_ =
      CreateWindowExA(WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, "EDIT", "",
                      WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_RIGHT, 0, 0, 64, 18, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
  font_ =
      CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_MODERN, kFontFace);
  SendMessageA(editWindow_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  SetTextLimit(kDefaultTextLimit);
  Subclass(editWindow_);
}

template <typename T>
FormatTextbox<T>::~FormatTextbox() {
  // Null once the window is destroyed, whereas editWindow_ may by then name another window.
  HWND window = Window();
  Detach();
  if (window != nullptr &&
      SendMessageA(window, WM_GETFONT, 0, 0) == reinterpret_cast<LRESULT>(font_)) {
    SendMessageA(window, WM_SETFONT, 0, FALSE);
  }
  if (font_ != nullptr) DeleteObject(font_);
}

template <typename T>
LRESULT FormatTextbox<T>::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_KEYDOWN && message != WM_CHAR && message != WM_PASTE) {
    return CallPreviousProc(window, message, wParam, lParam);
  }
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const LRESULT result = CallPreviousProc(window, message, wParam, lParam);
  // A refused edit puts the caret back where it was, so the next key lands where the user meant.
  if (!CheckText()) SendMessageA(window, EM_SETSEL, start, end);
  return result;
}

template <typename T>
bool FormatTextbox<T>::CheckText() {
  T parsed;
  if (ReadText(&parsed)) {
    value_ = parsed;
    return true;
  }
  SetWindowTextA(editWindow_, FormatText(format_.text, value_).text);
  return false;
}

template <typename T>
T FormatTextbox<T>::GetValue() {
  T parsed;
  if (ReadText(&parsed)) value_ = parsed;
  return value_;
}

template <typename T>
void FormatTextbox<T>::SetValue(T value) {
  value_ = value;
  SetWindowTextA(editWindow_, FormatText(format_.text, value_).text);
}

template <typename T>
bool FormatTextbox<T>::Shows(T value) {
  TextBuffer text;
  return CopyText(&text) && std::strcmp(text.text, FormatText(format_.text, value).text) == 0;
}

template <typename T>
TextBuffer FormatTextbox<T>::FormatText(const char* format, T value) const {
  return Display(format, value);
}

template <typename T>
void FormatTextbox<T>::SetTextLimit(int limit) {
  textLimit_ = limit;
  SendMessageA(editWindow_, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

template <typename T>
void FormatTextbox<T>::SetFormat(const char* format) {
  CopyFormat(format, &format_);
}

template <typename T>
bool FormatTextbox<T>::CopyText(TextBuffer* out) {
  out->text[0] = '\0';
  const int length = GetWindowTextLengthA(editWindow_);
  if (length < 0 || length >= static_cast<int>(kTextCapacity)) return false;
  GetWindowTextA(editWindow_, out->text, static_cast<int>(kTextCapacity));
  return true;
}

template <typename T>
bool FormatTextbox<T>::ReadText(T* value) {
  TextBuffer text;
  return CopyText(&text) && Parse(text.text, value);
}

template class FormatTextbox<unsigned long>;
template class FormatTextbox<double>;

}  // namespace Panekin
