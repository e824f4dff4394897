#include "host_window.h"

#include <commctrl.h>

#include <string>

#include "cp932_text.h"
#include "filter/control_ids.h"
#include "filter_host.h"
#include "host_strings.h"
#include "host_system_info.h"

namespace {

// The host's own windows are Unicode so that code page 932 text shows right in
// any locale; the filter window is ANSI, as the plug-in expects of its host.
constexpr wchar_t kMainClass[] = L"VelumbraHostMain";
constexpr char kFilterClass[] = "VelumbraHostFilter";

// The host's controls in the band above the canvas.
constexpr int kMargin = 8;
constexpr int kRowHeight = 26;
constexpr int kLabelWidth = 40;
constexpr int kValueWidth = 40;
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 24;
constexpr int kTrackBarBaseId = 11000;
constexpr int kCheckBaseId = kLoadButtonCommand;  // check items are commands from here on

DWORD MainStyle() { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }

bool RegisterClasses(HINSTANCE instance, WNDPROC mainProc, WNDPROC filterProc) {
  WNDCLASSEXW mainClass = {};
  mainClass.cbSize = sizeof mainClass;
  WNDCLASSEXW existingMain = mainClass;
  if (!GetClassInfoExW(instance, kMainClass, &existingMain)) {
    mainClass.hInstance = instance;
    mainClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpfnWndProc = mainProc;
    mainClass.lpszClassName = kMainClass;
    if (!RegisterClassExW(&mainClass)) return false;
  }
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(instance, kFilterClass, &existing)) {
    windowClass.lpfnWndProc = filterProc;
    windowClass.lpszClassName = kFilterClass;
    if (!RegisterClassExA(&windowClass)) return false;
  }
  return true;
}

HMENU CreateHostMenu(HostMenuState state) {
  namespace text = host_strings;
  HMENU file = CreatePopupMenu();
  const UINT projectFlags = MF_STRING | (state.projectHooks ? 0 : MF_GRAYED);
  AppendMenuW(file, projectFlags, static_cast<UINT>(HostCommand::kLoadProject),
              WideFromCp932(text::kMenuLoadProject).c_str());
  AppendMenuW(file, projectFlags, static_cast<UINT>(HostCommand::kSaveProject),
              WideFromCp932(text::kMenuSaveProject).c_str());
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING | (state.scripts ? 0 : MF_GRAYED),
              static_cast<UINT>(HostCommand::kRunScript),
              WideFromCp932(text::kMenuRunScript).c_str());
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, static_cast<UINT>(HostCommand::kExit),
              WideFromCp932(text::kMenuExit).c_str());
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file),
              WideFromCp932(text::kMenuFile).c_str());
  return bar;
}

// `text` is code page 932.
HWND CreateChild(HWND parent, HINSTANCE instance, const wchar_t* windowClass, const char* text,
                 DWORD style, int x, int y, int width, int height, int id) {
  HWND child = CreateWindowExW(
      0, windowClass, WideFromCp932(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
      height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (child != nullptr) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(HostUiFont()), FALSE);
  }
  return child;
}

}  // namespace

HostWindow::~HostWindow() { Destroy(); }

bool HostWindow::Create(HINSTANCE instance, const char* title, FilterHost* filter,
                        HostMenuState menu, std::function<void(HostCommand)> onCommand) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClasses(instance, MainProc, FilterProc)) return false;
  filterHost_ = filter;
  onCommand_ = std::move(onCommand);

  HMENU menuBar = CreateHostMenu(menu);
  RECT frame = {0, 0, kFilterClientWidth, kFilterClientHeight};
  AdjustWindowRectEx(&frame, MainStyle(), TRUE, 0);
  main_ = CreateWindowExW(0, kMainClass, WideFromCp932(title).c_str(), MainStyle(), CW_USEDEFAULT,
                          CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                          nullptr, menuBar, instance, this);
  if (main_ == nullptr) {
    DestroyMenu(menuBar);
    return false;
  }
  // The menu may wrap or the frame differ from the estimate: fit the client exactly.
  RECT client;
  GetClientRect(main_, &client);
  if (client.right != kFilterClientWidth || client.bottom != kFilterClientHeight) {
    RECT window;
    GetWindowRect(main_, &window);
    SetWindowPos(main_, nullptr, 0, 0,
                 window.right - window.left + kFilterClientWidth - client.right,
                 window.bottom - window.top + kFilterClientHeight - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  filter_ =
      CreateWindowExA(0, kFilterClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                      kFilterClientWidth, kFilterClientHeight, main_, nullptr, instance, this);
  if (filter_ == nullptr) {
    Destroy();
    return false;
  }
  if (filterHost_ != nullptr) CreateHostControls(instance);
  return true;
}

void HostWindow::Destroy() {
  if (main_ != nullptr) {
    HWND main = main_;
    main_ = nullptr;
    DestroyWindow(main);
  }
  filter_ = nullptr;
  tracks_.clear();
  checks_.clear();
}

void HostWindow::CreateHostControls(HINSTANCE instance) {
  const FilterRecord& record = filterHost_->record();
  int y = kMargin;
  const int barWidth = kFilterClientWidth - 2 * kMargin - kLabelWidth - kValueWidth;
  for (int i = 0; i < filterHost_->trackCount(); ++i, y += kRowHeight) {
    CreateChild(filter_, instance, L"STATIC", record.trackNames[i], SS_LEFT, kMargin, y + 4,
                kLabelWidth, 18, -1);
    Track track;
    track.bar = CreateChild(filter_, instance, TRACKBAR_CLASSW, "", TBS_HORZ | TBS_NOTICKS,
                            kMargin + kLabelWidth, y, barWidth, 24, kTrackBarBaseId + i);
    SendMessageA(track.bar, TBM_SETRANGEMIN, FALSE, filterHost_->TrackMinimum(i));
    SendMessageA(track.bar, TBM_SETRANGEMAX, FALSE, filterHost_->TrackMaximum(i));
    SendMessageA(track.bar, TBM_SETPOS, TRUE, filterHost_->TrackValue(i));
    track.valueLabel =
        CreateChild(filter_, instance, L"STATIC", "", SS_RIGHT,
                    kFilterClientWidth - kMargin - kValueWidth, y + 4, kValueWidth, 18, -1);
    tracks_.push_back(track);
    ShowTrackValue(i);
  }
  for (int i = 0; i < filterHost_->checkCount(); ++i) {
    const DWORD style =
        filterHost_->IsPushButton(i) ? static_cast<DWORD>(BS_PUSHBUTTON) : BS_AUTOCHECKBOX;
    HWND button = CreateChild(filter_, instance, L"BUTTON", record.checkNames[i], style,
                              kMargin + i * (kButtonWidth + kMargin), y + 4, kButtonWidth,
                              kButtonHeight, kCheckBaseId + i);
    if (!filterHost_->IsPushButton(i) && filterHost_->CheckValue(i) != 0) {
      SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    }
    checks_.push_back(button);
  }
}

void HostWindow::ShowTrackValue(int track) {
  SetWindowTextW(tracks_[track].valueLabel,
                 std::to_wstring(filterHost_->TrackValue(track)).c_str());
}

void HostWindow::MoveTrack(int track, int value) {
  if (track < 0 || track >= static_cast<int>(tracks_.size())) return;
  SendMessageA(tracks_[track].bar, TBM_SETPOS, TRUE, value);
  OnTrackScrolled(tracks_[track].bar);
}

void HostWindow::OnTrackScrolled(HWND bar) {
  for (int i = 0; i < static_cast<int>(tracks_.size()); ++i) {
    if (tracks_[i].bar != bar) continue;
    const auto value = static_cast<int32_t>(SendMessageA(bar, TBM_GETPOS, 0, 0));
    if (value == filterHost_->TrackValue(i) || !filterHost_->SetTrackValue(i, value)) return;
    ShowTrackValue(i);
    filterHost_->UpdateTrack(i);
  }
}

LRESULT CALLBACK HostWindow::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0 && self != nullptr && self->onCommand_) {
        self->onCommand_(static_cast<HostCommand>(LOWORD(wParam)));
        return 0;
      }
      break;
    case WM_CLOSE:
      // The host decides when to close: the project may need saving and the
      // filter must exit while its windows still exist.
      if (self != nullptr && self->onCommand_) {
        self->onCommand_(HostCommand::kExit);
        return 0;
      }
      break;
    case WM_DESTROY:
      if (self != nullptr && self->main_ == window) {
        self->main_ = nullptr;
        self->filter_ = nullptr;
      }
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK HostWindow::FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && self->filterHost_ != nullptr) {
    if (message == WM_HSCROLL && lParam != 0) self->OnTrackScrolled(reinterpret_cast<HWND>(lParam));
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      const int check = LOWORD(wParam) - kCheckBaseId;
      if (check >= 0 && check < self->filterHost_->checkCount() &&
          !self->filterHost_->IsPushButton(check)) {
        self->filterHost_->SetCheckValue(
            check, SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0) == BST_CHECKED);
        self->filterHost_->UpdateAll();
      }
    }
    // A paint is erased and validated first, so that the plug-in's own
    // drawing, through a device context of its own, lands on top.
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
    }
    // Every message, the host's own controls' included. The plug-in's result
    // asks the host to refresh its video frame, which this host does not have.
    self->filterHost_->WindowMessage(window, message, wParam, lParam);
    if (message == WM_PAINT) return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool PumpWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}
