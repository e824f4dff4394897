// The host's windows: a main window with a menu, and inside it the filter
// window. The filter window carries the host's controls for the descriptor's
// track bars and check items in its top band, above the plug-in's canvas
// and panel; every message it receives goes to the plug-in.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class FilterHost;

// The filter window's client size: the plug-in's canvas band and its two
// panel rows (y 142-241) in full, with a margin below.
constexpr int kFilterClientWidth = 418;
constexpr int kFilterClientHeight = 250;

// Menu commands; also what a closing request arrives as.
enum class HostCommand { kLoadProject = 100, kSaveProject, kRunScript, kExit };

struct HostMenuState {
  bool projectHooks = false;
  bool scripts = false;
};

class HostWindow {
 public:
  HostWindow() = default;
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow();

  // `filter` may be null (a plug-in without a descriptor): the filter window
  // is then empty. Commands from the menu and the close box go to `onCommand`.
  bool Create(HINSTANCE instance, const char* title, FilterHost* filter, HostMenuState menu,
              std::function<void(HostCommand)> onCommand);
  void Destroy();

  HWND mainWindow() const { return main_; }
  HWND filterWindow() const { return filter_; }
  HWND trackBar(int track) const { return tracks_[track].bar; }
  HWND checkButton(int check) const { return checks_[check]; }

  // Moves track `track` to `value` as the user would, telling the plug-in if it changed.
  void MoveTrack(int track, int value);

 private:
  struct Track {
    HWND bar = nullptr;
    HWND valueLabel = nullptr;
  };

  static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateHostControls(HINSTANCE instance);
  void ShowTrackValue(int track);
  void OnTrackScrolled(HWND bar);

  HWND main_ = nullptr;
  HWND filter_ = nullptr;
  FilterHost* filterHost_ = nullptr;
  std::vector<Track> tracks_;
  std::vector<HWND> checks_;
  std::function<void(HostCommand)> onCommand_;
};

// Dispatches every waiting message; returns false once WM_QUIT was seen.
bool PumpWaitingMessages();
