// Answers the modal dialogs that a call on the test's thread opens, from a
// helper thread: each step waits for the next enabled dialog of that thread
// and acts on it. Every wait is bounded; a dialog nobody expected, or one
// still open when a step times out, is cancelled so the call always returns.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
 public:
  using Action = std::function<void(HWND dialog, std::vector<std::string>& notes)>;
  // An action for the next dialog, or for the next one with this caption.
  struct Step {
    template <typename F>
    Step(F act) : action(std::move(act)) {}
    template <typename F>
    Step(std::string wanted, F act) : caption(std::move(wanted)), action(std::move(act)) {}
    std::string caption;
    Action action;
  };

  // Starts answering dialogs of the calling thread.
  explicit DialogDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
    thread_ = GetCurrentThreadId();
    done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    worker_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~DialogDriver() { Finish(); }

  // Call once the call that opened the dialogs has returned. True when every
  // step found its dialog and nothing unexpected showed up.
  bool Finish() {
    if (worker_ != nullptr) {
      SetEvent(done_);
      if (WaitForSingleObject(worker_, 30000) != WAIT_OBJECT_0) notes_.push_back("helper hung");
      CloseHandle(worker_);
      CloseHandle(done_);
      worker_ = nullptr;
    }
    return stepsRun_ == steps_.size() && !unexpected_;
  }

  const std::vector<std::string>& notes() const { return notes_; }
  size_t stepsRun() const { return stepsRun_; }

  static std::string Text(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }
  static std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
  }
  // Clicks a button without waiting for what the click starts (which may be
  // another modal dialog this helper has to answer).
  static void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }
  static std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> found;
    EnumChildWindows(dialog, AddChild, reinterpret_cast<LPARAM>(&found));
    return found;
  }

 private:
  static constexpr DWORD kStepTimeoutMs = 20000;

  static BOOL CALLBACK AddChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
  }
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    if (ClassOf(window) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  HWND ActiveDialog() const {
    HWND found = nullptr;
    EnumThreadWindows(thread_, FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
  }

  // Waits until a dialog other than `previous` is active (the previous one
  // may take a moment to close), with the caption if one is wanted.
  HWND WaitForDialog(HWND previous, const std::string& caption, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
      HWND dialog = ActiveDialog();
      if (dialog != nullptr && dialog != previous && (caption.empty() || Text(dialog) == caption)) {
        Sleep(150);  // let it finish its initialisation
        return dialog;
      }
      if (WaitForSingleObject(done_, 20) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  void CancelEverything() {
    for (int round = 0; round < 50; ++round) {
      HWND dialog = ActiveDialog();
      if (dialog == nullptr) {
        if (WaitForSingleObject(done_, 100) == WAIT_OBJECT_0) return;
        continue;
      }
      notes_.push_back("cancelled a dialog: " + Text(dialog));
      unexpected_ = true;
      Click(dialog, IDCANCEL);
      PostMessageA(dialog, WM_CLOSE, 0, 0);
      Sleep(200);
    }
  }

  static DWORD WINAPI Run(LPVOID self) {
    auto* driver = static_cast<DialogDriver*>(self);
    HWND previous = nullptr;
    for (const Step& step : driver->steps_) {
      HWND dialog = driver->WaitForDialog(previous, step.caption, kStepTimeoutMs);
      if (dialog == nullptr) {
        driver->notes_.push_back("no dialog for step " + std::to_string(driver->stepsRun_ + 1));
        break;
      }
      step.action(dialog, driver->notes_);
      ++driver->stepsRun_;
      previous = dialog;
    }
    // Until the caller is back: anything still open was not expected.
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(driver->done_, 50) != WAIT_OBJECT_0 &&
           GetTickCount() - start < kStepTimeoutMs) {
      HWND dialog = driver->ActiveDialog();
      if (dialog != nullptr && dialog != previous) {
        driver->CancelEverything();
        return 0;
      }
      if (dialog != nullptr && GetTickCount() - start > 5000) {
        driver->CancelEverything();
        return 0;
      }
    }
    return 0;
  }

  std::vector<Step> steps_;
  DWORD thread_ = 0;
  HANDLE done_ = nullptr;
  HANDLE worker_ = nullptr;
  size_t stepsRun_ = 0;
  bool unexpected_ = false;
  std::vector<std::string> notes_;
};
