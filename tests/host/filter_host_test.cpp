// The host's loading, record and windows against a plug-in that records every
// call: the order of the life cycle, the slots the host fills, the function
// table's query, message forwarding and the project hooks' protocol.
#include "filter_host.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editor/canvas_layout.h"
#include "fake_filter_plugin.h"
#include "filter/control_ids.h"
#include "host_window.h"
#include "lua_runner.h"
#include "plugin_library.h"
#include "project_file.h"
#include "support/file_bytes.h"
#include "window_capture.h"

namespace {

using AnyFunction = void (*)();

template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<AnyFunction>(GetProcAddress(module, name)));
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

class HostedFake : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    plugin_ = LoadPluginLibrary(VELUMBRA_FAKE_PLUGIN_PATH, error);
    ASSERT_NE(plugin_.module, nullptr) << error;
    ASSERT_NE(plugin_.descriptor, nullptr);
    eventCount_ = Export<FakeEventCountFn>(plugin_.module, "FakeEventCount");
    eventAt_ = Export<FakeEventAtFn>(plugin_.module, "FakeEventAt");
    initView_ = Export<FakeInitViewFn>(plugin_.module, "FakeInitViewOf");
    setProject_ = Export<FakeSetProjectFn>(plugin_.module, "FakeSetProject");
    loaded_ = Export<FakeLoadedFn>(plugin_.module, "FakeLoaded");
    Export<FakeResetFn>(plugin_.module, "FakeReset")();
    filter_ = new FilterHost(*plugin_.descriptor);
    ASSERT_TRUE(
        window_.Create(GetModuleHandleA(nullptr), "test", filter_, HostMenuState{}, nullptr));
  }
  void TearDown() override {
    if (filter_ != nullptr) filter_->Exit();
    window_.Destroy();
    PumpWaitingMessages();
    delete filter_;
    UnloadPluginLibrary(plugin_);
  }

  void Start() {
    filter_->Init(window_.filterWindow(), plugin_.module);
    filter_->UpdateAll();
  }

  std::vector<FakeEvent> Events(FakeCall call) const {
    std::vector<FakeEvent> events;
    for (int i = 0; i < eventCount_(); ++i) {
      if (eventAt_(i)->call == call) events.push_back(*eventAt_(i));
    }
    return events;
  }
  std::vector<FakeEvent> MessagesNumbered(UINT message) const {
    std::vector<FakeEvent> events;
    for (const FakeEvent& e : Events(FakeCall::kMessage)) {
      if (e.message == message) events.push_back(e);
    }
    return events;
  }

  PluginLibrary plugin_;
  FilterHost* filter_ = nullptr;
  HostWindow window_;
  FakeEventCountFn eventCount_ = nullptr;
  FakeEventAtFn eventAt_ = nullptr;
  FakeInitViewFn initView_ = nullptr;
  FakeSetProjectFn setProject_ = nullptr;
  FakeLoadedFn loaded_ = nullptr;
};

TEST_F(HostedFake, InitialisesOnceWithTheSlotsFilledThenUpdatesAll) {
  // The window exists and has had messages already; none reached the filter.
  EXPECT_EQ(eventCount_(), 0);
  Start();
  filter_->Init(window_.filterWindow(), plugin_.module);  // a second Init is ignored
  ASSERT_EQ(Events(FakeCall::kInit).size(), 1u);
  EXPECT_EQ(eventAt_(0)->call, FakeCall::kInit);

  const FakeInitView& view = *initView_();
  EXPECT_EQ(view.window, window_.filterWindow());
  EXPECT_EQ(view.instance, plugin_.module);
  EXPECT_TRUE(view.hostTable);
  EXPECT_NE(view.queryResult, 0);
  EXPECT_EQ(GetObjectType(view.font), static_cast<DWORD>(OBJ_FONT));

  // The host's own copy of the record, not the plug-in's read-only descriptor.
  EXPECT_NE(eventAt_(0)->record, static_cast<const void*>(plugin_.descriptor));
  EXPECT_EQ(eventAt_(0)->record, static_cast<const void*>(&filter_->record()));
  EXPECT_EQ(eventAt_(0)->trackValue, 3);  // the descriptor's default
  EXPECT_EQ(plugin_.descriptor->trackValues, nullptr);
  EXPECT_EQ(plugin_.descriptor->window, nullptr);

  const std::vector<FakeEvent> updates = Events(FakeCall::kUpdate);
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0].status, 0);
  EXPECT_EQ(updates[0].trackValue, 3);
}

TEST_F(HostedFake, TrackMovesSendTheFirstTrackStatusOnlyWhenTheValueChanges) {
  Start();
  window_.MoveTrack(0, 7);
  window_.MoveTrack(0, 7);
  // The user's way: the track bar itself moves and notifies the filter window.
  SendMessageA(window_.trackBar(0), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(window_.trackBar(0), WM_KEYUP, VK_RIGHT, 0);
  const std::vector<FakeEvent> updates = Events(FakeCall::kUpdate);
  ASSERT_EQ(updates.size(), 3u);
  EXPECT_EQ(updates[1].status, 0x10000);
  EXPECT_EQ(updates[1].trackValue, 7);
  EXPECT_EQ(updates[2].status, 0x10000);
  EXPECT_EQ(updates[2].trackValue, 8);
  EXPECT_EQ(filter_->TrackValue(0), 8);
  // The scroll notifications themselves reach the filter too.
  EXPECT_FALSE(MessagesNumbered(WM_HSCROLL).empty());
}

TEST_F(HostedFake, TrackValuesStayInsideTheDescriptorRange) {
  struct Case {
    int32_t value;
    bool accepted;
  } cases[] = {{0, false}, {1, true}, {50, true}, {51, false}, {-7, false}, {25, true}};
  for (const Case& c : cases) {
    const int32_t before = filter_->TrackValue(0);
    EXPECT_EQ(filter_->SetTrackValue(0, c.value), c.accepted) << c.value;
    EXPECT_EQ(filter_->TrackValue(0), c.accepted ? c.value : before) << c.value;
  }
  EXPECT_FALSE(filter_->SetTrackValue(1, 5));  // there is one track
}

TEST_F(HostedFake, EveryMessageAndTheButtonCommandsReachTheFilter) {
  Start();
  ASSERT_NE(window_.checkButton(0), nullptr);
  ASSERT_NE(window_.checkButton(1), nullptr);
  // The descriptor's code page 932 names, whatever this process's code page.
  wchar_t caption[16] = L"";
  GetWindowTextW(window_.checkButton(0), caption, 16);
  EXPECT_STREQ(caption, L"\u8AAD\u8FBC");  // 読込
  GetWindowTextW(window_.checkButton(1), caption, 16);
  EXPECT_STREQ(caption, L"\u4FDD\u5B58");  // 保存

  SendMessageA(window_.checkButton(0), BM_CLICK, 0, 0);
  SendMessageA(window_.checkButton(1), BM_CLICK, 0, 0);
  SendMessageA(window_.filterWindow(), WM_USER + 101, 5, 6);
  const std::vector<FakeEvent> commands = MessagesNumbered(WM_COMMAND);
  std::vector<int> ids;
  for (const FakeEvent& e : commands) {
    if (HIWORD(e.wParam) == BN_CLICKED) ids.push_back(LOWORD(e.wParam));
    EXPECT_EQ(e.window, window_.filterWindow());
  }
  EXPECT_EQ(ids, (std::vector<int>{kLoadButtonCommand, kSaveButtonCommand}));
  const std::vector<FakeEvent> reset = MessagesNumbered(WM_USER + 101);
  ASSERT_EQ(reset.size(), 1u);
  EXPECT_EQ(reset[0].wParam, 5u);
  EXPECT_EQ(reset[0].lParam, 6);
}

TEST_F(HostedFake, CapturesTheFilterWindowAsPainted) {
  Start();
  ShowWindow(window_.mainWindow(), SW_SHOWNORMAL);
  const CapturedImage image = CaptureClientArea(window_.mainWindow());
  ASSERT_EQ(image.width, kFilterClientWidth);
  ASSERT_EQ(image.height, kFilterClientHeight);
  const auto at = [&](int x, int y) { return image.pixels[y * image.width + x]; };
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const uint32_t background =
      uint32_t{GetRValue(face)} << 16 | uint32_t{GetGValue(face)} << 8 | GetBValue(face);
  // The fake's canvas band across the width; the class background below it.
  for (int x : {0, 200, kFilterClientWidth - 1}) {
    EXPECT_EQ(at(x, kCanvasTop), 0x123456u) << x;
    EXPECT_EQ(at(x, kCanvasBottom - 1), 0x123456u) << x;
    EXPECT_EQ(at(x, kCanvasBottom), background) << x;
    EXPECT_EQ(at(x, kFilterClientHeight - 1), background) << x;
  }
  EXPECT_FALSE(MessagesNumbered(WM_PAINT).empty());
}

TEST_F(HostedFake, SaveMeasuresThenWritesAndLoadHandsBackTheSameBytes) {
  Start();
  const std::vector<uint8_t> block = {0x32, 0x00, 0x01, 0x02, 0x03, 0xFF};
  setProject_(block.data(), static_cast<int32_t>(block.size()), 0);
  const std::string path = TempPath("velumbra-host-test.dat");
  std::string error;
  ASSERT_TRUE(SaveProjectFile(*filter_, path, error)) << error;
  EXPECT_EQ(ReadFileBytes(path), block);

  const std::vector<FakeEvent> saves = Events(FakeCall::kProjectSave);
  ASSERT_EQ(saves.size(), 2u);
  EXPECT_TRUE(saves[0].bufferNull);
  EXPECT_FALSE(saves[1].bufferNull);
  EXPECT_EQ(saves[1].size, static_cast<int32_t>(block.size()));

  ASSERT_TRUE(LoadProjectFile(*filter_, path, error)) << error;
  const std::vector<FakeEvent> loads = Events(FakeCall::kProjectLoad);
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].size, static_cast<int32_t>(block.size()));
  int32_t size = 0;
  const uint8_t* loaded = loaded_(&size);
  EXPECT_EQ(std::vector<uint8_t>(loaded, loaded + size), block);
  std::remove(path.c_str());
}

TEST_F(HostedFake, AMisbehavingSaveHookLeavesTheOldProjectFileAlone) {
  Start();
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  const std::vector<uint8_t> block = {1, 2, 3, 4};
  struct Case {
    int32_t mode;
    const char* errorPart;
  } cases[] = {
      {1, "wrote more than the 4 bytes"},
      {kFakeHookFails, "failed to measure"},
      {kFakeNegativeSize, "impossible size -5"},
  };
  const std::string path = TempPath("velumbra-host-keep.dat");
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteFileBytes(path, old));
    setProject_(block.data(), static_cast<int32_t>(block.size()), c.mode);
    std::string error;
    EXPECT_FALSE(SaveProjectFile(*filter_, path, error));
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(GetFileAttributesA((path + ".saving").c_str()), INVALID_FILE_ATTRIBUTES);
  }
  std::remove(path.c_str());
}

TEST_F(HostedFake, AnEmptyOrMissingProjectFileNeverReachesTheLoadHook) {
  Start();
  const std::string path = TempPath("velumbra-host-empty.dat");
  ASSERT_TRUE(WriteFileBytes(path, {}));
  std::string error;
  EXPECT_TRUE(LoadProjectFile(*filter_, path, error)) << error;
  EXPECT_FALSE(LoadProjectFile(*filter_, TempPath("velumbra-host-none.dat"), error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
  EXPECT_TRUE(Events(FakeCall::kProjectLoad).empty());
  std::remove(path.c_str());
}

TEST_F(HostedFake, NothingReachesTheFilterAfterExit) {
  Start();
  filter_->Exit();
  const int count = eventCount_();
  EXPECT_EQ(eventAt_(count - 1)->call, FakeCall::kExit);
  SendMessageA(window_.filterWindow(), WM_USER + 101, 0, 0);
  window_.MoveTrack(0, 9);
  filter_->UpdateAll();
  filter_->Exit();
  EXPECT_EQ(eventCount_(), count);
}

TEST(PluginLoading, ReportsWhatIsMissingAndCarriesOn) {
  std::string error;
  PluginLibrary none = LoadPluginLibrary("Z:/no/such/plugin.auf", error);
  EXPECT_EQ(none.module, nullptr);
  EXPECT_NE(error.find("Z:/no/such/plugin.auf"), std::string::npos) << error;

  // A library that is no filter at all.
  PluginLibrary lua = LoadPluginLibrary(VELUMBRA_LUA_DLL_PATH, error);
  ASSERT_NE(lua.module, nullptr) << error;
  EXPECT_EQ(lua.descriptor, nullptr);
  EXPECT_EQ(lua.missing, std::vector<std::string>{"export GetFilterTable"});
  UnloadPluginLibrary(lua);

  // A filter without project hooks: the host refuses project files, politely.
  PluginLibrary hookless = LoadPluginLibrary(VELUMBRA_HOOKLESS_PLUGIN_PATH, error);
  ASSERT_NE(hookless.descriptor, nullptr);
  const std::vector<std::string> missingHooks =
      kLayout32 ? std::vector<std::string>{"project-load hook (0x74)", "project-save hook (0x78)"}
                : std::vector<std::string>{"project-load hook (0xE0)", "project-save hook (0xE8)"};
  EXPECT_EQ(hookless.missing, missingHooks);
  FilterHost filter(*hookless.descriptor);
  EXPECT_FALSE(filter.hasProjectHooks());
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(filter.SaveProject(bytes, error));
  EXPECT_FALSE(filter.LoadProject({1, 2}, error));
  UnloadPluginLibrary(hookless);
}

// Scripts run in this process against the real library: two runs in two Lua
// states see one bank, because the bank lives in the plug-in.
TEST(LuaRunner, ScriptsShareThePluginsGradations) {
  HMODULE library = LoadLibraryA(VELUMBRA_LIBRARY_PATH);
  ASSERT_NE(library, nullptr);
  const std::string set = TempPath("velumbra-host-set.lua");
  const std::string check = TempPath("velumbra-host-check.lua");
  const std::string fail = TempPath("velumbra-host-fail.lua");
  FILE* file = std::fopen(set.c_str(), "w");
  std::fputs("Velumbra.SetGradationData(-4, {{value = 0x123456, point = 50}}, {})\n", file);
  std::fclose(file);
  file = std::fopen(check.c_str(), "w");
  std::fputs(
      "local r, g, b = Velumbra.Gradation(-4, 10)\n"
      "assert(r == 0x12 and g == 0x34 and b == 0x56, 'not shared')\n",
      file);
  std::fclose(file);
  file = std::fopen(fail.c_str(), "w");
  std::fputs("\nerror('deliberate')\n", file);
  std::fclose(file);

  std::string error;
  EXPECT_TRUE(RunLuaScript(library, set, error)) << error;
  EXPECT_TRUE(RunLuaScript(library, check, error)) << error;
  EXPECT_FALSE(RunLuaScript(library, fail, error));
  EXPECT_NE(error.find(":2: deliberate"), std::string::npos) << error;
  EXPECT_FALSE(RunLuaScript(library, TempPath("velumbra-host-absent.lua"), error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
  for (const std::string& path : {set, check, fail}) std::remove(path.c_str());
  FreeLibrary(library);
}

TEST(LuaRunner, NeedsTheModuleExport) {
  HMODULE lua = LoadLibraryA(VELUMBRA_LUA_DLL_PATH);
  ASSERT_NE(lua, nullptr);
  std::string error;
  EXPECT_FALSE(RunLuaScript(lua, "unused.lua", error));
  EXPECT_EQ(error, "the plug-in does not export luaopen_Velumbra");
  FreeLibrary(lua);
}

}  // namespace

namespace {

// Closing asks the host first, which saves and exits the filter before any
// window goes; the menu offers only what the plug-in supports.
TEST(HostWindowCommands, CloseAndMenuGoToTheHost) {
  struct Case {
    HostMenuState menu;
    bool projectGrayed, scriptGrayed;
  } cases[] = {
      {{true, true}, false, false}, {{false, true}, true, false}, {{true, false}, false, true}};
  for (const Case& c : cases) {
    std::vector<HostCommand> commands;
    HostWindow window;
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), "menu", nullptr, c.menu,
                              [&](HostCommand command) { commands.push_back(command); }));
    HMENU menu = GetMenu(window.mainWindow());
    const auto grayed = [&](HostCommand command) {
      return (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    EXPECT_EQ(grayed(HostCommand::kLoadProject), c.projectGrayed);
    EXPECT_EQ(grayed(HostCommand::kSaveProject), c.projectGrayed);
    EXPECT_EQ(grayed(HostCommand::kRunScript), c.scriptGrayed);
    EXPECT_FALSE(grayed(HostCommand::kExit));

    SendMessageW(window.mainWindow(), WM_COMMAND, static_cast<WPARAM>(HostCommand::kSaveProject),
                 0);
    SendMessageW(window.mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window.mainWindow()));  // still there until the host destroys it
    EXPECT_EQ(commands, (std::vector<HostCommand>{HostCommand::kSaveProject, HostCommand::kExit}));
    window.Destroy();
    EXPECT_FALSE(PumpWaitingMessages());  // destroying the main window ends the message loop
  }
}

}  // namespace
