#include "filter/gradient_chooser.h"

#include <cstdint>

#include "editor/ui_strings.h"

namespace {

constexpr WORD kListId = 100;

// Window class atoms of a dialog template's items.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kListBoxClass = 0x0083;

std::wstring Widen(const std::string& text, UINT codePage) {
  const int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::wstring FromUi(const char* cp932) { return Widen(cp932, 932); }

// A dialog template built in memory: the header, then each item on a DWORD
// boundary, every field a WORD or a NUL-terminated wide string.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height, const std::wstring& title) {
    Long(style);
    Long(0);              // extended style
    words_.push_back(0);  // the item count (kItemCountWord), counted by Add
    for (short value : {short{0}, short{0}, width, height})
      words_.push_back(static_cast<WORD>(value));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    Text(title);
    words_.push_back(9);  // DS_SETFONT: point size and face
    Text(L"MS Shell Dlg");
  }

  void Add(WORD itemClass, DWORD style, short x, short y, short width, short height, WORD id,
           const std::wstring& text) {
    if (words_.size() % 2 != 0) words_.push_back(0);
    Long(style | WS_CHILD | WS_VISIBLE);
    Long(0);
    for (short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(itemClass);
    Text(text);
    words_.push_back(0);  // no creation data
    ++words_[kItemCountWord];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static constexpr size_t kItemCountWord = 4;  // after the style and extended style

  void Long(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Text(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;  // the vector's storage is aligned for a DWORD
};

INT_PTR CALLBACK ChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const HWND list = GetDlgItem(dialog, kListId);
      for (const std::wstring& line : *reinterpret_cast<const std::vector<std::wstring>*>(lParam)) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
      }
      SendMessageW(list, LB_SETCURSEL, 0, 0);
      SetFocus(list);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kListId:
          if (HIWORD(wParam) != LBN_DBLCLK) return FALSE;
          [[fallthrough]];
        case IDOK:
          EndDialog(dialog, SendDlgItemMessageW(dialog, kListId, LB_GETCURSEL, 0, 0));
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, -1);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ChooserProc), &module);
  return module;
}

}  // namespace

std::optional<size_t> ChooseGradient(HWND owner, const std::vector<std::string>& lines) {
  std::vector<std::wstring> wide;
  wide.reserve(lines.size());
  for (const std::string& line : lines) wide.push_back(Widen(line, CP_UTF8));

  // Dialog units: a prompt, the list, and OK and Cancel at the bottom right.
  DialogTemplate layout(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        200, 150, FromUi(ui_strings::kChooserTitle));
  layout.Add(kStaticClass, SS_LEFT, 7, 7, 186, 9, 0xFFFF, FromUi(ui_strings::kChooserPrompt));
  layout.Add(kListBoxClass, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
             7, 19, 186, 102, kListId, L"");
  layout.Add(kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 129, 50, 14, IDOK,
             FromUi(ui_strings::kChooserOk));
  layout.Add(kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, 143, 129, 50, 14, IDCANCEL,
             FromUi(ui_strings::kChooserCancel));
  const INT_PTR chosen = DialogBoxIndirectParamW(ThisModule(), layout.get(), owner, ChooserProc,
                                                 reinterpret_cast<LPARAM>(&wide));
  if (chosen < 0 || static_cast<size_t>(chosen) >= lines.size()) return std::nullopt;
  return static_cast<size_t>(chosen);
}
