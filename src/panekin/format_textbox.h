// An edit control holding a typed value: every key press and paste is checked, and text that
// stops parsing is replaced by the last valid value in the box's format.
#pragma once

#include <windows.h>

#include "panekin/textbox_format.h"
#include "panekin/window_procedure.h"

namespace Panekin {

// Built for T = unsigned long (32 bits on Windows) and T = double.
template <typename T>
class FormatTextbox : public WindowProcedure {
 public:
  // Checks the text after the control has applied each WM_KEYDOWN, WM_CHAR and WM_PASTE.
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  // True, with *value set, when the whole text is valid; false with *value untouched otherwise.
  virtual bool Parse(const char* text, T* value) = 0;

  // Re-parses the text: true when it was valid (the value is updated); false when it was
  // replaced by the formatted last valid value.
  bool CheckText();
  // The text's value when it parses, else the last valid value; the text is left as it is.
  T GetValue();
  // Stores the value and shows it in the box's format.
  void SetValue(T value);
  // True when the text is exactly what SetValue(value) would show: setting it again would only
  // raise the change notification for the same text.
  bool Shows(T value);
  // The value in the given format, or in a fallback form when that format cannot show it in one
  // text buffer.
  TextBuffer FormatText(const char* format, T value) const;

  // The last valid value, without reading the text.
  T Value() const { return value_; }
  HWND EditWindow() const { return editWindow_; }
  int TextLimit() const { return textLimit_; }
  const char* Format() const { return format_.text; }
  HFONT Font() const { return font_; }

 protected:
  FormatTextbox(HWND parent, HINSTANCE instance, int controlId);
  // Not virtual, like the base's. Detaches, takes the font back from the edit window, which
  // lives on with its parent, and deletes it.
  ~FormatTextbox();

  void SetTextLimit(int limit);
  void SetFormat(const char* format);

 private:
  // The whole text, or false: text longer than a text buffer is never read cut short.
  bool CopyText(TextBuffer* out);
  // The text parsed, or false when it is too long or does not parse.
  bool ReadText(T* value);

  int textLimit_ = 0;
  FormatBuffer format_;
  T value_ = 0;
  HWND editWindow_ = nullptr;
  HFONT font_ = nullptr;
};

extern template class FormatTextbox<unsigned long>;
extern template class FormatTextbox<double>;

}  // namespace Panekin
