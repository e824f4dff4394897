// The editor's soak test: a seeded stream of user, host and script events on
// one filter window of the probed library, with the bank's invariants, the
// panel and the library's GDI objects checked after every event. A failure or
// a crash prints the seed, the event's index and the last events; the same
// seed and count replay it.
#include <windows.h>

#include <commdlg.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <lua.hpp>

#include "bank_probe.h"
#include "dialog_driver.h"
#include "drop_handle.h"
#include "filter/control_ids.h"
#include "filter_harness.h"
#include "gdi_count.h"
#include "held_keys.h"
#include "model/banks.h"
#include "model/gradation.h"
#include "panekin/decimal_parser.h"
#include "panekin/hexadecimal_parser.h"
#include "persist/gradation_bytes.h"
#include "persist/project_block.h"
#include "script_face.h"
#include "support/file_bytes.h"

namespace {

constexpr int kCheckEvery = 500;
constexpr int kProgressEvery = 5000;
constexpr size_t kLogLines = 20;
// The library's GDI objects and window DCs at any moment: the canvas's
// bitmap, the panel's font and its boxes' brushes, and what a paint holds
// for its span. Leaks of one object per event pass it within a few events.
constexpr size_t kGdiBound = 16;
// An event that takes longer than this is reported as a hang.
constexpr DWORD kHangMs = 60000;

struct Options {
  uint32_t seed = 1;
  int events = 20000;
  std::string corpus = VELUMBRA_SOAK_CORPUS;
};

std::set<DWORD> ProcessThreads() {
  std::set<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ids.insert(entry.th32ThreadID);
  }
  CloseHandle(snapshot);
  return ids;
}

// " starting in MODULE" for a thread, as far as the system tells.
std::string StartOf(DWORD id) {
  using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
  HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, id);
  void* start = nullptr;
  constexpr int kThreadStartAddress = 9;
  if (thread == nullptr || query == nullptr ||
      query(thread, kThreadStartAddress, &start, sizeof start, nullptr) != 0) {
    if (thread != nullptr) CloseHandle(thread);
    return "";
  }
  CloseHandle(thread);
  HMODULE module = nullptr;
  char name[MAX_PATH] = "an unloaded module";
  if (GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<LPCSTR>(start), &module)) {
    GetModuleFileNameA(module, name, sizeof name);
  }
  char text[MAX_PATH + 64];
  std::snprintf(text, sizeof text, " (starting at %p in %s)", start, name);
  return text;
}

// Every file under the corpus's seeds/ and regressions/, two folders down.
void ListFiles(const std::string& folder, int depth, std::vector<std::string>& out) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (depth > 0) ListFiles(path, depth - 1, out);
    } else {
      out.push_back(path);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(out.begin(), out.end());  // the same order on every run: replays hold
}

void PutOnClipboard(HWND owner, UINT format, const std::string& bytes) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  std::memcpy(GlobalLock(memory), bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(format, memory);
  CloseClipboard();
}

// Answers whatever dialog comes next: accepting presses Yes or OK (in a list,
// after choosing a line), else No, Cancel or OK, whichever it has.
DialogDriver::Action Answer(bool accept, int line) {
  return [accept, line](HWND dialog, std::vector<std::string>& notes) {
    notes.push_back(DialogDriver::Text(dialog));
    if (HWND list = FindWindowExA(dialog, nullptr, "ListBox", nullptr)) {
      SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    }
    const int accepting[] = {IDYES, IDOK}, declining[] = {IDNO, IDCANCEL, IDOK};
    for (int id : accept ? std::vector<int>(accepting, accepting + 2)
                         : std::vector<int>(declining, declining + 3)) {
      if (GetDlgItem(dialog, id) != nullptr) {
        DialogDriver::Click(dialog, id);
        return;
      }
    }
    DialogDriver::Click(dialog, IDCANCEL);
  };
}

// Names a file in a file dialog, of the type at `type` in its list, and presses OK.
DialogDriver::Action NameFile(int type, const std::string& path) {
  return [type, path](HWND dialog, std::vector<std::string>&) {
    constexpr int kFileTypeList = 0x470;
    HWND types = GetDlgItem(dialog, kFileTypeList);
    const int count = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    if (count > 0) {
      SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(type % count), 0);
      for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK}) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeList, code),
                     reinterpret_cast<LPARAM>(types));
      }
    }
    for (int id : {0x480, 0x47C}) {
      if (GetDlgItem(dialog, id) != nullptr) SetDlgItemTextA(dialog, id, path.c_str());
    }
    DialogDriver::Click(dialog, IDOK);
  };
}

// The system's file dialogs start threads of their own (Wine's RPC among
// them) that stay for the process's life: started here, before the library
// loads, they are not counted as the library's.
void WarmUpFileDialogs() {
  for (bool open : {true, false}) {
    char name[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    DialogDriver driver({Answer(false, 0)});
    if (open) {
      GetOpenFileNameA(&dialog);
    } else {
      GetSaveFileNameA(&dialog);
    }
    driver.Finish();
  }
}

// Runs `call`, which may open a popup menu on this thread (a right click
// does); a helper walks down `downs` items and presses Enter, or presses Esc,
// and backs out of any submenu the Enter opened. Every wait is bounded.
void WithMenuKeys(int downs, bool pick, const std::function<void()>& call) {
  struct Keys {
    DWORD thread;
    int downs;
    bool pick;
    HANDLE done;
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
      if (DialogDriver::ClassOf(window) == "#32768" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      }
      return TRUE;
    }
    HWND Popup() const {
      HWND popup = nullptr;
      EnumThreadWindows(thread, Find, reinterpret_cast<LPARAM>(&popup));
      return popup;
    }
    static DWORD WINAPI Run(void* self) {
      const Keys& keys = *static_cast<Keys*>(self);
      HWND popup = nullptr;
      while ((popup = keys.Popup()) == nullptr) {
        if (WaitForSingleObject(keys.done, 10) == WAIT_OBJECT_0) return 0;
      }
      for (int i = 0; i < keys.downs && keys.pick; ++i) {
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
      }
      PostMessageA(popup, WM_KEYDOWN, keys.pick ? VK_RETURN : VK_ESCAPE, 0);
      for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(20)) {
        HWND open = keys.Popup();
        if (open == nullptr) return 0;
        if (GetTickCount() - start > 300) PostMessageA(open, WM_KEYDOWN, VK_ESCAPE, 0);
      }
      EndMenu();
      return 0;
    }
  } keys{GetCurrentThreadId(), downs, pick, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  HANDLE helper = CreateThread(nullptr, 0, Keys::Run, &keys, 0, nullptr);
  call();
  SetEvent(keys.done);
  WaitForSingleObject(helper, 15000);
  CloseHandle(helper);
  CloseHandle(keys.done);
}

class Soak;
Soak* g_soak = nullptr;

class Soak {
 public:
  explicit Soak(const Options& options) : options_(options), random_(options.seed) {}

  // Loads the library, opens the window as the host does and counts its GDI objects.
  std::string Start() {
    WarmUpFileDialogs();
    threadsBefore_ = ProcessThreads();
    if (!host_.Load(VELUMBRA_LIBRARY_PATH)) return "cannot load " VELUMBRA_LIBRARY_PATH;
    probe_ = reinterpret_cast<BankProbeFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(host_.library(), kBankProbeName)));
    if (probe_ == nullptr) return "the library has no probe";
    patched_ = gdi_count::Install(host_.library());
    // Without its deleter and a creator patched the count could not change.
    if (std::count(patched_.begin(), patched_.end(), "DeleteObject") == 0 || patched_.size() < 2) {
      return "the library imports no GDI functions this test counts";
    }
    script_ = std::make_unique<ScriptFace>();
    if (!script_->Open(host_.library())) return "the script face does not open";
    if (host_.CreateWindowAndInit() != 1) return "InitFilter failed";
    host_.Update(1, 0);
    Pump(0, 200);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    temp_ = std::string(folder) + "velumbra_soak\\";
    CreateDirectoryA(temp_.c_str(), nullptr);
    for (const char* part : {"\\seeds", "\\regressions"}) {
      ListFiles(options_.corpus + part, 2, corpus_);
    }
    if (corpus_.empty()) return "no corpus files under " + options_.corpus;
    pixels_.assign(256 * 256, 0);
    return "";
  }

  // Runs the events; empty when every check held.
  std::string Run() {
    const auto start = std::chrono::steady_clock::now();
    for (index_ = 0; index_ < options_.events; ++index_) {
      eventStart_ = GetTickCount();
      RunOneEvent();
      std::string problem = Check();
      if (problem.empty() && (index_ + 1) % kCheckEvery == 0) problem = RoundTrips();
      if (!problem.empty()) return problem;
      if ((index_ + 1) % kProgressEvery == 0) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%d events, %.1f a second\n", index_ + 1, (index_ + 1) / seconds);
        std::fflush(stdout);
      }
    }
    eventStart_ = 0;
    seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return "";
  }

  // Closes the filter and unloads the library: nothing of it may be left.
  std::string Finish() {
    Note("finish: exit the filter, unload the library");
    host_.Close();
    script_.reset();
    Pump(0, 200);
    std::string problem;
    if (!gdi_count::Live().empty()) {
      problem = std::to_string(gdi_count::Live().size()) + " GDI objects left after the exit";
    }
    FreeLibrary(host_.library());
    // A closed thread pool's threads end on their own: give them a moment.
    std::vector<DWORD> left;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(50)) {
      left.clear();
      for (DWORD id : ProcessThreads()) {
        if (threadsBefore_.count(id) == 0) left.push_back(id);
      }
      if (left.empty()) break;
    }
    for (DWORD id : left) problem += " thread " + std::to_string(id) + StartOf(id) + " left;";
    return problem;
  }

  void Report(const std::string& problem) const {
    std::printf("soak FAILED: %s\nseed %u, event %d of %d (replay: --seed %u --events %d)\n",
                problem.c_str(), options_.seed, index_, options_.events, options_.seed,
                std::min(index_ + 1, options_.events));
    std::printf("the last events:\n");
    for (const std::string& line : log_) std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
  }

  void Summary() const {
    std::printf(
        "soak passed: seed %u, %d events in %.1f s (%.1f events/s); GDI objects of the library "
        "after an event at most %zu (bound %zu), within one at most %zu, counted through %zu "
        "patched imports; %d inputs not seen back\n",
        options_.seed, options_.events, seconds_, options_.events / std::max(seconds_, 1e-3),
        highestChecked_, kGdiBound, gdi_count::Peak(), patched_.size(), lostInputs_);
    for (const auto& [name, timing] : timings_) {
      std::printf("  %-20s %6d events, %6.1f ms each\n", name.c_str(), timing.count,
                  static_cast<double>(timing.ms) / timing.count);
    }
  }

  // For the watchdog: milliseconds the current event has run, 0 between events.
  DWORD EventAge() const {
    const DWORD start = eventStart_;
    return start == 0 ? 0 : GetTickCount() - start;
  }

 private:
  using Event = void (Soak::*)();
  struct EventKind {
    const char* name;
    int weight;
    Event run;
  };
  static const EventKind kEvents[];

  int Pick(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
  bool Chance(int percent) { return Pick(100) < percent; }

  void Note(const std::string& line) {
    log_.push_back("#" + std::to_string(index_) + " " + line);
    if (log_.size() > kLogLines) log_.pop_front();
  }

  void RunOneEvent();

  // Dispatches this thread's messages until one of `wanted` came (0: until
  // the queue is empty), bounded in time.
  bool Pump(UINT wanted, DWORD ms) {
    const DWORD start = GetTickCount();
    do {
      bool seen = false;
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        seen = seen || message.message == wanted;
        DispatchMessageA(&message);
      }
      if (seen || wanted == 0) return true;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
    return false;
  }

  POINT Screen(int x, int y) const {
    POINT at = {x, y};
    ClientToScreen(host_.window(), &at);
    at.x = std::max<LONG>(at.x, 0);
    at.y = std::max<LONG>(at.y, 0);
    return at;
  }

  // Whether input at the screen point reaches this thread: over one of its
  // windows, or while one of them has the mouse. Elsewhere it is only pumped briefly.
  bool Ours(POINT at) const {
    return GetCapture() != nullptr ||
           GetWindowThreadProcessId(WindowFromPoint(at), nullptr) == GetCurrentThreadId();
  }

  // Real input: the cursor to client (x, y), then each button event, each
  // seen back in this thread's queue (or counted as lost).
  void Mouse(int x, int y, std::initializer_list<DWORD> buttons) {
    const POINT to = Screen(x, y);
    POINT now;
    GetCursorPos(&now);
    if (now.x != to.x || now.y != to.y) {
      INPUT move = {};
      move.type = INPUT_MOUSE;
      move.mi.dx = static_cast<LONG>((to.x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) /
                                     (GetSystemMetrics(SM_CXSCREEN) - 1));
      move.mi.dy = static_cast<LONG>((to.y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) /
                                     (GetSystemMetrics(SM_CYSCREEN) - 1));
      move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
      SendInput(1, &move, sizeof move);
      if (!Pump(WM_MOUSEMOVE, Ours(to) ? 300 : 30)) ++lostInputs_;
    }
    for (DWORD flag : buttons) {
      INPUT press = {};
      press.type = INPUT_MOUSE;
      press.mi.dwFlags = flag;
      SendInput(1, &press, sizeof press);
      const UINT seen = flag == MOUSEEVENTF_LEFTDOWN    ? WM_LBUTTONDOWN
                        : flag == MOUSEEVENTF_LEFTUP    ? WM_LBUTTONUP
                        : flag == MOUSEEVENTF_RIGHTDOWN ? WM_RBUTTONDOWN
                                                        : WM_RBUTTONUP;
      if (!Pump(seen, Ours(to) ? 300 : 30)) ++lostInputs_;
    }
  }

  int Width() const { return FilterHarness::kClientWidth; }
  int TrackRow() {
    switch (Pick(4)) {
      case 0:
        return 78 + Pick(12);  // the colour markers
      case 1:
        return 122 + Pick(12);  // the opacity markers
      case 2:
        return 90 + Pick(32);  // the bar
      default:
        return 60 + Pick(18);  // above the canvas
    }
  }
  int Column() { return Chance(90) ? Pick(Width()) : Pick(Width() + 80) - 40; }

  // --- Events -------------------------------------------------------------

  void ClickCanvas() {
    const int x = Column(), y = TrackRow();
    Note("click canvas at " + std::to_string(x) + "," + std::to_string(y));
    Mouse(x, y, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  }

  // Presses on a track, then moves along it, off it (off the window too) and
  // back, releasing where the last move went.
  void DragCanvas() {
    const int track = Pick(2);
    const int row = track == 0 ? 84 : 128;
    int x = Column();
    std::string line = "drag from " + std::to_string(x) + "," + std::to_string(row) + " via";
    std::vector<POINT> path;
    for (int i = 1 + Pick(6); i > 0; --i) {
      POINT p = {Column(), row + Pick(11) - 5};
      switch (Pick(5)) {
        case 0:
          p.y = track == 0 ? 60 + Pick(9) : 145 + Pick(20);  // off the track
          break;
        case 1:
          p = {Pick(Width() + 200) - 100, Pick(300) - 100};  // anywhere, off the window too
          break;
        default:
          break;
      }
      path.push_back(p);
      line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    }
    Note(line);
    Mouse(x, row, {MOUSEEVENTF_LEFTDOWN});
    for (const POINT& p : path) Mouse(p.x, p.y, {});
    Mouse(path.back().x, path.back().y, {MOUSEEVENTF_LEFTUP});
  }

  // The host's messages straight to the window procedure, at any coordinates.
  void MessageMouse() {
    static const UINT kinds[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED};
    const UINT message = kinds[Pick(4)];
    const int x = Chance(90) ? Column() : Pick(65536) - 32768;
    const int y = Chance(90) ? TrackRow() : Pick(65536) - 32768;
    Note("message " + std::to_string(message) + " at " + std::to_string(x) + "," +
         std::to_string(y));
    host_.Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
               MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }

  std::string Number(double low, double high, int decimals) {
    const double value = low + (high - low) * Pick(100001) / 100000.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
  }

  // Valid, out-of-range or garbage text typed into one of the four entries,
  // after a real click into it now and then.
  void TypeInPanel() {
    static const uint16_t boxes[] = {kColorEntryId, kColorPositionId, kOpacityEntryId,
                                     kOpacityPositionId};
    const uint16_t id = boxes[Pick(4)];
    std::string text;
    const int kind = Pick(10);
    if (kind < 6) {
      if (id == kColorEntryId) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(random_() & 0xFFFFFF));
        text = hex;
      } else {
        text = Number(0, 100, Pick(4));
      }
    } else if (kind < 8) {
      static const char* const outside[] = {
          "-3",        "150",      "100.01", "-0.5", "99999999999999999",
          "123456789", "1FFFFFFF", "-",      ".",    ""};
      text = Chance(50) ? outside[Pick(10)] : Number(-1000, 1000, Pick(3));
    } else {
      static const char* const garbage[] = {"abc",  "1.2.3",    "--5",    "1e3",
                                            " 5",   "0x1F",     "GHIJKL", "\x82\xA0\x82\xA2",
                                            "\x81", "12\b\b34", "%s%n"};
      text = garbage[Pick(11)];
      if (Chance(30)) {
        text.clear();
        for (int n = Pick(40); n > 0; --n) text += static_cast<char>(1 + Pick(255));
      }
    }
    const bool click = Chance(30);
    std::string shown;
    for (unsigned char c : text) {
      char piece[8];
      std::snprintf(piece, sizeof piece, c >= 32 && c < 127 ? "%c" : "\\x%02X", c);
      shown += piece;
    }
    Note(std::string("type \"") + shown + "\" into " + std::to_string(id) +
         (click ? " after a click" : ""));
    HWND box = GetDlgItem(host_.window(), id);
    if (click) {
      RECT r;
      GetWindowRect(box, &r);
      POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      ScreenToClient(host_.window(), &centre);
      Mouse(centre.x, centre.y, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    }
    SendMessageA(box, EM_SETSEL, 0, -1);
    for (unsigned char c : text) SendMessageA(box, WM_CHAR, c, 1);
  }

  void Key() {
    static const struct {
      WPARAM key;
      bool control, shift;
      const char* name;
    } keys[] = {
        {'Z', true, false, "Ctrl+Z"},
        {'Z', true, false, "Ctrl+Z"},
        {'Y', true, false, "Ctrl+Y"},
        {'Z', true, true, "Ctrl+Shift+Z"},
        {'C', true, false, "Ctrl+C"},
        {'V', true, false, "Ctrl+V"},
        {VK_DELETE, false, false, "Del"},
        {VK_LEFT, false, false, "Left"},
        {VK_RIGHT, false, false, "Right"},
        {VK_LEFT, false, true, "Shift+Left"},
        {VK_RIGHT, false, true, "Shift+Right"},
        {VK_ESCAPE, false, false, "Esc"},
        {'A', false, false, "A"},
        {'Z', false, false, "Z"},
    };
    const auto& k = keys[Pick(static_cast<int>(sizeof keys / sizeof keys[0]))];
    Note(std::string("key ") + k.name);
    HoldKeys(k.control, k.shift);
    host_.Send(WM_KEYDOWN, k.key, 1);
    HoldKeys(false, false);
  }

  void MenuCommand() {
    int id = kMenuUndoCommand + Pick(kMenuPickColor - kMenuUndoCommand + 1);
    if (Chance(25)) id = kMenuPresetFirst + Pick(40);
    if (Chance(5)) id = kMenuUndoCommand - 1 + Pick(kMenuPresetLast - kMenuUndoCommand + 3);
    Note("menu command " + std::to_string(id));
    host_.Send(WM_COMMAND, static_cast<WPARAM>(id), 0);
  }

  // The real context menu, opened by the message a right click makes; a
  // helper thread walks down its items and picks one, or escapes.
  void RealMenu() {
    const int x = Column(), y = TrackRow(), downs = Pick(12);
    const bool pick = Chance(70);
    Note("context menu at " + std::to_string(x) + "," + std::to_string(y) + ", " +
         (pick ? std::to_string(downs) + " down, Enter" : std::string("Esc")));
    const POINT at = Screen(x, y);
    WithMenuKeys(downs, pick, [&] {
      host_.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(host_.window()), MAKELPARAM(at.x, at.y));
    });
  }

  void ChangeId() {
    int id = Chance(70) ? 1 + Pick(5) : 1 + Pick(50);
    if (Chance(5)) id = std::vector<int>{0, 51, -1, 1 << 30}[static_cast<size_t>(Pick(4))];
    const int32_t status = Chance(80) ? 0 : std::vector<int32_t>{0x10000, 1, 0x20000}[Pick(3)];
    Note("ID track " + std::to_string(id) + ", status " + std::to_string(status));
    host_.Update(id, status);
  }

  void HostReset() {
    Note("message 1125");
    host_.Send(kHostResetMessage);
  }

  std::string ScriptList(bool colour) {
    std::string list = "{";
    for (int n = Pick(7); n > 0; --n) {
      std::string value = colour ? std::to_string(random_() & 0xFFFFFF) : Number(0, 100, 2);
      std::string point = Number(-10, 110, Pick(3));
      switch (Pick(20)) {
        case 0:
          point = "0/0";
          break;
        case 1:
          point = "1/0";
          break;
        case 2:
          value = colour ? "-1" : "250";
          break;
        case 3:
          list += "'junk', ";
          break;
        default:
          break;
      }
      list += "{value = " + value + ", point = " + point + "}, ";
    }
    return list + "}";
  }

  int ShownId() {
    BankProbe probe;
    probe_(&probe);
    return probe.shownId;
  }

  void Script() {
    std::string chunk;
    const int kind = Pick(10);
    if (kind < 4) {
      const int id = kind < 2 ? ShownId() : Pick(64) - 12;
      chunk = "return tostring(Velumbra.SetGradationData(" + std::to_string(id) + ", " +
              ScriptList(true) + ", " + ScriptList(false) + "))";
    } else if (kind < 6) {
      chunk = "local c, a = Velumbra.GetGradationData(" + std::to_string(Pick(64) - 12) +
              ") return #c .. ' ' .. #a";
    } else if (kind < 7) {
      chunk = "return table.concat({Velumbra.Gradation(" + std::to_string(Pick(60) - 10) + ", " +
              Number(-1, 101, 1) + ", " + Number(0, 4, 2) + ")}, ' ')";
    } else {
      const bool big = Chance(10);
      const int width = big ? 256 : Pick(17) - 1, height = big ? 256 : Pick(17);
      const char* function = Chance(50) ? "SetGradationImage" : "ColorReMap_Luminance";
      lua_State* L = script_->state();
      lua_pushlightuserdata(L, pixels_.data());
      lua_setglobal(L, "pixels");
      chunk = std::string("Velumbra.") + function + "(" + std::to_string(Pick(56) - 3) +
              ", pixels, " + std::to_string(width) + ", " + std::to_string(height) +
              (Chance(50) ? ", " + Number(0.1, 4, 2) + ", " + Number(-5, 105, 0) : "") + ")";
    }
    Note("script " + chunk);
    const std::string result = script_->Run(chunk);
    log_.back() += " -> " + result.substr(0, 80);
  }

  // A corpus file as it is, or with some bytes changed, cut or added.
  std::string CorpusFile(std::string* name) {
    const std::string& source =
        corpus_[static_cast<size_t>(Pick(static_cast<int>(corpus_.size())))];
    *name = source.substr(options_.corpus.size() + 1);
    const std::vector<uint8_t> read = ReadFileBytes(source);
    std::string bytes(read.begin(), read.end());
    if (Chance(50) && !bytes.empty()) {
      *name += " changed";
      for (int n = 1 + Pick(4); n > 0; --n) {
        const size_t at = static_cast<size_t>(Pick(static_cast<int>(bytes.size())));
        switch (Pick(3)) {
          case 0:
            bytes[at] = static_cast<char>(random_());
            break;
          case 1:
            bytes.resize(at);
            break;
          default:
            bytes.insert(at, 1 + Pick(8), static_cast<char>(random_()));
            break;
        }
        if (bytes.empty()) break;
      }
    }
    return bytes;
  }

  std::string WriteTemp(const std::string& source, const std::string& bytes) {
    const size_t dot = source.find_last_of('.');
    const std::string extension =
        dot != std::string::npos && source.find_first_of("\\ ", dot) == std::string::npos
            ? source.substr(dot)
            : (Chance(50) ? ".grd" : "");
    const std::string path = temp_ + "file" + std::to_string(Pick(4)) + extension;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteFileBytes(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return path;
  }

  // The dialogs a load may show after its file: a chooser, a message.
  std::vector<DialogDriver::Step> Followers() {
    return {Answer(Chance(70), Pick(3)), Answer(Chance(70), Pick(3)), Answer(true, 0)};
  }

  void Drop() {
    std::string name;
    const std::string bytes = CorpusFile(&name);
    const std::string path = WriteTemp(name, bytes);
    std::vector<std::string> paths = {path};
    if (Chance(10)) paths.push_back(temp_ + "missing.grd");
    if (Chance(10)) std::swap(paths.front(), paths.back());
    Note("drop " + name + " as " + path + (paths.size() > 1 ? " with another" : ""));
    DialogDriver driver(Followers());
    host_.Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)));
    driver.Finish();
  }

  void PasteForeign() {
    std::string name, bytes;
    UINT format = CF_TEXT;
    switch (Pick(4)) {
      case 0:
        bytes = CorpusFile(&name);
        break;
      case 1:
        name = "a CSS gradient";
        bytes = "linear-gradient(to right, #" + std::to_string(100000 + Pick(800000)) + " " +
                Number(-10, 110, 1) + "%, rgba(0, 0, 255, " + Number(0, 1, 2) + ") " +
                Number(-10, 110, 1) + "%)";
        break;
      case 2:
        name = "text";
        for (int n = Pick(200); n > 0; --n) bytes += static_cast<char>(1 + Pick(255));
        break;
      default:
        name = "a record in the editor's own format";
        format = RegisterClipboardFormatA("Velumbra.Gradation");
        bytes = CorpusFile(&name);
        break;
    }
    const bool key = Chance(50);
    Note("paste " + name + (key ? " by Ctrl+V" : " from the menu"));
    PutOnClipboard(host_.window(), format, bytes);
    if (key) {
      HoldKeys(true, false);
      host_.Send(WM_KEYDOWN, 'V', 1);
      HoldKeys(false, false);
    } else {
      host_.Send(WM_COMMAND, kMenuPasteCommand, 0);
    }
  }

  std::vector<uint8_t> SaveProject() {
    FilterRecord& record = host_.record();
    int32_t size = 0;
    if (!record.projectSave(&record, nullptr, nullptr, &size) || size < 0) return {};
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!record.projectSave(&record, nullptr, bytes.data(), &size)) return {};
    return bytes;
  }

  void LoadProject(std::vector<uint8_t> bytes) {
    FilterRecord& record = host_.record();
    record.projectLoad(&record, nullptr, bytes.empty() ? nullptr : bytes.data(),
                       static_cast<int32_t>(bytes.size()));
  }

  void Project() {
    std::vector<uint8_t> bytes = SaveProject();
    const int kind = Pick(4);
    if (kind == 0) {
      Note("project save and load, " + std::to_string(bytes.size()) + " bytes");
    } else if (kind == 1 && !bytes.empty()) {
      Note("project save, load with changed bytes");
      for (int n = 1 + Pick(6); n > 0; --n) {
        bytes[static_cast<size_t>(Pick(static_cast<int>(bytes.size())))] =
            static_cast<uint8_t>(random_());
      }
    } else if (kind == 2) {
      bytes.resize(static_cast<size_t>(Pick(static_cast<int>(bytes.size()) + 1)));
      Note("project load of the first " + std::to_string(bytes.size()) + " bytes");
    } else {
      std::string name;
      const std::string file = CorpusFile(&name);
      bytes.assign(file.begin(), file.end());
      Note("project load of " + name);
    }
    LoadProject(bytes);
  }

  // The host's "読込" and "保存" buttons, their file dialogs answered.
  void FileButton() {
    const bool load = Chance(50);
    const bool cancel = Chance(15);
    std::vector<DialogDriver::Step> steps;
    if (cancel) {
      Note(std::string(load ? "load" : "save") + " button, dialog cancelled");
      steps.push_back(Answer(false, 0));
    } else if (load) {
      std::string name;
      const std::string path = WriteTemp("", CorpusFile(&name));
      Note("load button: " + name + " as " + path);
      steps.push_back(NameFile(0, path));
    } else {
      const int type = Pick(8);
      const std::string path = temp_ + "saved" + std::to_string(Pick(3));
      Note("save button: type " + std::to_string(type) + " as " + path);
      steps.push_back(NameFile(type, path));
    }
    for (DialogDriver::Step& step : Followers()) steps.push_back(std::move(step));
    DialogDriver driver(steps);
    host_.Send(WM_COMMAND, load ? kLoadButtonCommand : kSaveButtonCommand, 0);
    driver.Finish();
  }

  void ColourDialog() {
    constexpr int kRed = 706, kGreen = 707, kBlue = 708;
    const bool confirm = Chance(60);
    const int red = Pick(300) - 20, green = Pick(256), blue = Pick(256);
    Note(std::string("colour box: dialog ") +
         (confirm ? "set to " + std::to_string(red) + "," + std::to_string(green) + "," +
                        std::to_string(blue)
                  : std::string("cancelled")));
    DialogDriver driver({[=](HWND dialog, std::vector<std::string>&) {
      if (confirm) {
        SetDlgItemTextA(dialog, kRed, std::to_string(red).c_str());
        SetDlgItemTextA(dialog, kGreen, std::to_string(green).c_str());
        SetDlgItemTextA(dialog, kBlue, std::to_string(blue).c_str());
      }
      DialogDriver::Click(dialog, confirm ? IDOK : IDCANCEL);
    }});
    host_.Send(WM_COMMAND, MAKEWPARAM(kColorBoxId, STN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(host_.window(), kColorBoxId)));
    driver.Finish();
  }

  // The pick started by I, the cursor moved over the screen, and ended by a
  // left click (kept), Esc or a right click (cancelled).
  void Eyedropper() {
    const int end = Pick(3);
    const POINT to = {Pick(800), Pick(600)};
    static const char* const ends[] = {"left click", "Esc", "right click"};
    Note("eyedropper to screen " + std::to_string(to.x) + "," + std::to_string(to.y) +
         ", ended by " + ends[end]);
    host_.Send(WM_KEYDOWN, 'I', 1);
    POINT client = to;
    ScreenToClient(host_.window(), &client);
    Mouse(client.x, client.y, {});
    Pump(WM_TIMER, 200);
    if (end == 0) {
      Mouse(client.x, client.y, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    } else if (end == 1) {
      host_.Send(WM_KEYDOWN, VK_ESCAPE, 1);
    } else {
      // Without a pick under way (nothing selected) the click opens the menu.
      WithMenuKeys(0, false, [&] {
        Mouse(client.x, client.y, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
      });
    }
    for (DWORD start = GetTickCount(); GetCapture() != nullptr && GetTickCount() - start < 1000;) {
      Pump(0, 0);
      Sleep(5);
    }
  }

  // --- Checks -------------------------------------------------------------

  std::string BoxText(int id) {
    char text[512] = {};
    GetWindowTextA(GetDlgItem(host_.window(), id), text, sizeof text);
    return text;
  }

  // A number the panel shows must be the selected stop's, to its one decimal.
  std::string CheckPercent(int id, float value, const char* what) {
    const std::string text = BoxText(id);
    double shown = 0;
    if (std::isnan(value) || !Panekin::ParseDecimal(text.c_str(), &shown)) return "";
    if (std::fabs(shown - value) <= 0.0501) return "";
    return std::string("the panel's ") + what + " shows \"" + text + "\" for " +
           std::to_string(value);
  }

  std::string Check() {
    BankProbe probe;
    probe_(&probe);
    if (probe.problem[0] != '\0') return probe.problem;
    highestChecked_ = std::max(highestChecked_, gdi_count::Live().size());
    if (gdi_count::Live().size() > kGdiBound) {
      return "the library holds " + std::to_string(gdi_count::Live().size()) + " GDI objects";
    }
    const bool colourRow = IsWindowEnabled(GetDlgItem(host_.window(), kColorEntryId)) != FALSE;
    const bool opacityRow = IsWindowEnabled(GetDlgItem(host_.window(), kOpacityEntryId)) != FALSE;
    // A row greyed by a press on the other track keeps its selection for
    // later; a row that is on must show a selected stop.
    if (colourRow && !probe.colorSelected) return "the colour row is on without a selected stop";
    if (opacityRow && !probe.alphaSelected) return "the opacity row is on without a selected stop";
    std::string problem;
    if (colourRow) {
      const std::string text = BoxText(kColorEntryId);
      uint32_t shown = 0;
      if (text.size() == 6 && Panekin::ParseHexadecimal(text.c_str(), &shown) &&
          shown != probe.color) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%06X", probe.color);
        return "the colour entry shows " + text + " for " + expected;
      }
      problem = CheckPercent(kColorPositionId, probe.colorPosition, "colour position");
    }
    if (problem.empty() && opacityRow) {
      problem = CheckPercent(kOpacityEntryId, probe.opacity, "opacity");
      if (problem.empty()) {
        problem = CheckPercent(kOpacityPositionId, probe.alphaPosition, "opacity position");
      }
    }
    return problem;
  }

  std::string Describe(int id) {
    return script_->Run(
        "local c, a = Velumbra.GetGradationData(" + std::to_string(id) +
        ") local t = {} for _, e in ipairs(c) do t[#t + 1] = string.format('%d@%.9g', e.value, "
        "e.point) end t[#t + 1] = '|' for _, e in ipairs(a) do t[#t + 1] = "
        "string.format('%.9g@%.9g', e.value, e.point) end return table.concat(t, ' ')");
  }

  // Saving the project after loading what it saved gives the same bytes;
  // undoing every step of the shown ID and redoing them all gives its record back.
  std::string RoundTrips() {
    Note("round trips: project save, load, save; undo all, redo all");
    host_.Send(WM_KEYDOWN, VK_ESCAPE, 1);  // no pick goes on
    host_.Send(WM_LBUTTONUP, 0, 0);        // nor a drag
    const std::vector<uint8_t> saved = SaveProject();
    // Every bank entry, each a whole record: at least the count and 50 record headers.
    if (saved.size() < kProjectCountSize + kBankSize * kRecordHeaderSize || saved[0] != kBankSize ||
        saved[1] != 0) {
      return "the project save gave " + std::to_string(saved.size()) + " bytes";
    }
    LoadProject(saved);
    const std::vector<uint8_t> again = SaveProject();
    if (again != saved) {
      const size_t at = static_cast<size_t>(
          std::mismatch(saved.begin(), saved.end(), again.begin(), again.end()).first -
          saved.begin());
      return "the project saved after loading its own " + std::to_string(saved.size()) +
             " bytes differs from byte " + std::to_string(at) + " (" +
             std::to_string(again.size()) + " bytes)";
    }
    const int id = ShownId();
    if (id == 0) return "";
    const std::string before = Describe(id);
    BankProbe probe;
    int undone = 0, redone = 0;
    for (probe_(&probe); probe.canUndo && undone < 1000; probe_(&probe), ++undone) {
      host_.Send(WM_COMMAND, kMenuUndoCommand, 0);
    }
    for (probe_(&probe); probe.canRedo && redone < 1000; probe_(&probe), ++redone) {
      host_.Send(WM_COMMAND, kMenuRedoCommand, 0);
    }
    log_.back() += ": " + std::to_string(undone) + " undone, " + std::to_string(redone) + " redone";
    if (undone != redone)
      return "undid " + std::to_string(undone) + " steps but redid " + std::to_string(redone);
    const std::string after = Describe(id);
    if (after != before)
      return "undo all, redo all of ID " + std::to_string(id) + " gave\n  " + after +
             "\n  for\n  " + before;
    return "";
  }

  Options options_;
  std::mt19937 random_;
  FilterHarness host_;
  std::unique_ptr<ScriptFace> script_;
  BankProbeFunction probe_ = nullptr;
  std::vector<std::string> patched_;
  std::vector<std::string> corpus_;
  std::vector<uint32_t> pixels_;
  std::string temp_;
  std::set<DWORD> threadsBefore_;
  std::deque<std::string> log_;
  int index_ = 0;
  volatile DWORD eventStart_ = 0;
  double seconds_ = 0;
  int lostInputs_ = 0;
  size_t highestChecked_ = 0;
  struct Timing {
    int count = 0;
    DWORD ms = 0;
  };
  std::map<std::string, Timing> timings_;  // by event kind
};

// The kinds of event and how often each comes, in thousandths. The dialogs
// take seconds each under Wine, so they come seldom.
const Soak::EventKind Soak::kEvents[] = {
    {"click on the canvas", 140, &Soak::ClickCanvas},
    {"drag on the canvas", 120, &Soak::DragCanvas},
    {"host mouse message", 50, &Soak::MessageMouse},
    {"typing in the panel", 140, &Soak::TypeInPanel},
    {"key", 140, &Soak::Key},
    {"menu command", 80, &Soak::MenuCommand},
    {"real context menu", 8, &Soak::RealMenu},
    {"ID track change", 50, &Soak::ChangeId},
    {"message 1125", 10, &Soak::HostReset},
    {"script call", 120, &Soak::Script},
    {"drop", 40, &Soak::Drop},
    {"foreign paste", 30, &Soak::PasteForeign},
    {"project save/load", 40, &Soak::Project},
    {"load/save button", 6, &Soak::FileButton},
    {"colour dialog", 6, &Soak::ColourDialog},
    {"eyedropper", 20, &Soak::Eyedropper},
};

// One event of a kind drawn by weight.
void Soak::RunOneEvent() {
  int total = 0;
  for (const EventKind& kind : kEvents) total += kind.weight;
  int chosen = Pick(total);
  for (const EventKind& kind : kEvents) {
    if ((chosen -= kind.weight) < 0) {
      const DWORD start = GetTickCount();
      (this->*kind.run)();
      Timing& timing = timings_[kind.name];
      ++timing.count;
      timing.ms += GetTickCount() - start;
      break;
    }
  }
  Pump(0, 100);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
  void* at = info->ExceptionRecord->ExceptionAddress;
  HMODULE module = nullptr;
  char name[MAX_PATH] = "no module";
  if (GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<LPCSTR>(at), &module)) {
    GetModuleFileNameA(module, name, sizeof name);
  }
  char what[MAX_PATH + 128];
  std::snprintf(
      what, sizeof what, "crash: exception %08lX at %p, %s+0x%llx",
      info->ExceptionRecord->ExceptionCode, at, name,
      static_cast<unsigned long long>(static_cast<char*>(at) - reinterpret_cast<char*>(module)));
  if (g_soak != nullptr) g_soak->Report(what);
  ExitProcess(3);
}

// The visible windows of a thread, "class 'caption'" each: what a hung event
// left open.
std::string VisibleWindows(DWORD thread) {
  std::string list;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM out) {
        if (IsWindowVisible(window)) {
          *reinterpret_cast<std::string*>(out) +=
              " " + DialogDriver::ClassOf(window) + " '" + DialogDriver::Text(window) + "'";
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&list));
  return list;
}

DWORD WINAPI Watchdog(void* mainThread) {
  const auto thread = static_cast<DWORD>(reinterpret_cast<uintptr_t>(mainThread));
  for (;; Sleep(1000)) {
    if (g_soak != nullptr && g_soak->EventAge() > kHangMs) {
      g_soak->Report("hang: the event ran for over " + std::to_string(kHangMs / 1000) +
                     " s; windows shown:" + VisibleWindows(thread));
      ExitProcess(4);
    }
  }
}

}  // namespace

int Usage() {
  const Options defaults;
  std::fprintf(stderr,
               "usage: soak_tests [--seed N] [--events N] [--corpus FOLDER]\n"
               "defaults: --seed %u --events %d --corpus %s\n",
               defaults.seed, defaults.events, defaults.corpus.c_str());
  return 2;
}

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--seed") {
      options.seed = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
    } else if (name == "--events") {
      options.events = std::atoi(argv[i + 1]);
    } else if (name == "--corpus") {
      options.corpus = argv[i + 1];
    } else {
      return Usage();
    }
  }
  if (argc % 2 == 0) return Usage();
  SetUnhandledExceptionFilter(OnCrash);
  Soak soak(options);
  g_soak = &soak;
  CloseHandle(CreateThread(nullptr, 0, Watchdog,
                           reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId())), 0,
                           nullptr));
  std::string problem = soak.Start();
  if (problem.empty()) problem = soak.Run();
  if (problem.empty()) problem = soak.Finish();
  if (!problem.empty()) {
    soak.Report(problem);
    return 1;
  }
  soak.Summary();
  return 0;
}
