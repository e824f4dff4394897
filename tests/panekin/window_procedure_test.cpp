// Subclassing on real edit controls: the shared procedure, forwarding, and detaching.
#include "panekin/window_procedure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "test_window.h"

namespace Panekin {
namespace {

using namespace Testing;

constexpr UINT kConsumed = WM_USER + 7;

// Consumes one message of its own and forwards the rest, noting each.
class Recorder final : public WindowProcedure {
 public:
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(message);
    return message == kConsumed ? 42 : CallPreviousProc(window, message, wParam, lParam);
  }
  bool Saw(UINT message) const { return std::count(seen.begin(), seen.end(), message) > 0; }
  std::vector<UINT> seen;
};

HWND PlainEdit(const TestParent& parent) {
  return CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 64, 18, parent.Window(),
                         nullptr, parent.Instance(), nullptr);
}

// Sets the text, types one more character at its end and reads the result.
std::string Edited(HWND edit, const char* text, const char* typed) {
  SetWindowTextA(edit, text);
  Select(edit, -1, 0);
  Type(edit, typed);
  return WindowText(edit);
}

LONG_PTR Procedure(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }
LONG_PTR UserData(HWND window) { return GetWindowLongPtrA(window, GWLP_USERDATA); }
const LONG_PTR kDispatch = reinterpret_cast<LONG_PTR>(&DispatchWindowProc);

TEST(WindowProcedure, SubclassRoutesMessagesAndDestructionGivesTheWindowBack) {
  TestParent parent;
  HWND edit = PlainEdit(parent);
  const LONG_PTR original = Procedure(edit);
  {
    Recorder recorder;
    recorder.Subclass(edit);
    EXPECT_EQ(recorder.Window(), edit);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(recorder.PreviousProc()), original);
    EXPECT_EQ(Procedure(edit), kDispatch);
    EXPECT_EQ(UserData(edit), reinterpret_cast<LONG_PTR>(&recorder));
    EXPECT_EQ(SendMessageA(edit, kConsumed, 0, 0), 42);
    EXPECT_EQ(Edited(edit, "ab", "c"), "abc");
    EXPECT_TRUE(recorder.Saw(WM_SETTEXT) && recorder.Saw(WM_CHAR));
  }
  EXPECT_EQ(Procedure(edit), original);
  EXPECT_EQ(UserData(edit), 0);
  EXPECT_EQ(Edited(edit, "12", "3"), "123");
}

TEST(WindowProcedure, AWindowDestroyedFirstIsForgotten) {
  TestParent parent;
  Recorder recorder;
  recorder.Subclass(PlainEdit(parent));
  DestroyWindow(recorder.Window());
  EXPECT_TRUE(recorder.Saw(WM_NCDESTROY));
  EXPECT_EQ(recorder.Window(), nullptr);
}

// The shared procedure with no object attached must leave the control working, not read
// through a null object.
TEST(WindowProcedure, AWindowWithoutObjectGetsItsClassProcedure) {
  TestParent parent;
  HWND edit = PlainEdit(parent);
  SetWindowLongPtrA(edit, GWLP_WNDPROC, kDispatch);
  ASSERT_EQ(UserData(edit), 0);
  EXPECT_EQ(Edited(edit, "12", "3"), "123");
}

WNDPROC g_beneathTop = nullptr;
LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(g_beneathTop, window, message, wParam, lParam);
}

// Restoring the object's previous procedure would cut off whoever subclassed the window since.
TEST(WindowProcedure, DetachingUnderALaterSubclassKeepsItInPlace) {
  TestParent parent;
  HWND edit = PlainEdit(parent);
  {
    Recorder recorder;
    recorder.Subclass(edit);
    g_beneathTop = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
  }
  EXPECT_EQ(Procedure(edit), reinterpret_cast<LONG_PTR>(&TopProc));
  EXPECT_EQ(UserData(edit), 0);
  EXPECT_EQ(Edited(edit, "ab", "c"), "abc");
}

}  // namespace
}  // namespace Panekin
