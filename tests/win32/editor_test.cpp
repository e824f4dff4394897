// Editing in the filter window of the shipped library, as a user does it:
// mouse messages on the canvas, typing into the panel's entries, and the
// colour and file dialogs, which a helper thread answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <stb/stb_image_write.h>
#include <lua.hpp>

#include "dialog_driver.h"
#include "drop_handle.h"
#include "editor/canvas_raster.h"
#include "editor/file_choices.h"
#include "editor/preset_list.h"
#include "editor/ui_strings.h"
#include "filter/control_ids.h"
#include "filter_harness.h"
#include "held_keys.h"
#include "interchange/gradient_files.h"
#include "model/banks.h"
#include "persist/gradation_bytes.h"
#include "script_face.h"
#include "support/file_bytes.h"

namespace {

class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host_.Load(VELUMBRA_LIBRARY_PATH));
    ASSERT_TRUE(script_.Open(host_.library()));
    ASSERT_EQ(host_.CreateWindowAndInit(), 1);
    host_.Update(1, 0);
    host_.Pump();
  }
  void TearDown() override { host_.Close(); }

  std::string Lua(const std::string& chunk) { return script_.Run(chunk); }

  // "colours | opacities" of bank entry `id`, each value@position.
  std::string Describe(int id = 1) {
    return Lua("local c, a = Velumbra.GetGradationData(" + std::to_string(id) +
               ") local s = '' for _, e in ipairs(c) do s = s .. string.format('%06X@%g ', "
               "e.value, e.point) end s = s .. '|' for _, e in ipairs(a) do s = s .. "
               "string.format(' %g@%g', e.value, e.point) end return s");
  }

  static LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(x)),
                      static_cast<WORD>(static_cast<int16_t>(y)));
  }
  int32_t Press(int x, int y) { return host_.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
  int32_t Move(int x, int y) { return host_.Send(WM_MOUSEMOVE, MK_LBUTTON, At(x, y)); }
  int32_t Release(int x, int y) { return host_.Send(WM_LBUTTONUP, 0, At(x, y)); }
  int32_t Command(int id, int code = 0) {
    return host_.Send(WM_COMMAND, MAKEWPARAM(id, code),
                      reinterpret_cast<LPARAM>(GetDlgItem(host_.window(), id)));
  }

  HWND Control(int id) { return GetDlgItem(host_.window(), id); }
  std::string Text(int id) { return DialogDriver::Text(Control(id)); }
  bool Enabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }

  // Selects the whole entry and types the text key by key, as a user would.
  void Type(int id, const char* text) {
    HWND edit = Control(id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* c = text; *c != '\0'; ++c) {
      SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*c)), 1);
    }
  }

  // The colour in the middle of a panel box, 0xRRGGBB.
  uint32_t BoxColor(int id) {
    host_.Pump();
    HWND box = Control(id);
    RECT r;
    GetClientRect(box, &r);
    HDC dc = GetDC(box);
    const COLORREF c = GetPixel(dc, r.right / 2, r.bottom / 2);
    ReleaseDC(box, dc);
    return static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
  }

  bool CanvasInvalid() {
    RECT r;
    return GetUpdateRect(host_.window(), &r, FALSE) != FALSE && r.top < kCanvasBottom &&
           r.bottom > kCanvasTop;
  }

  std::vector<uint32_t> Expected(int id) {
    GradationData g;
    std::vector<uint8_t> bytes = Bytes(id);
    ReadGradationBytes(g, bytes.data(), bytes.size());
    return ExpectedCanvas(g);
  }

  // The gradation record of bank entry `id`, rebuilt from what the script face reads.
  std::vector<uint8_t> Bytes(int id) {
    GradationData g;
    lua_State* L = script_.state();
    lua_getglobal(L, "Velumbra");
    lua_getfield(L, -1, "GetGradationData");
    lua_pushinteger(L, id);
    EXPECT_EQ(lua_pcall(L, 1, 2, 0), 0);
    for (int track = 0; track < 2; ++track) {
      const int table = lua_gettop(L) - 1 + track;
      for (int i = 1; i <= static_cast<int>(lua_objlen(L, table)); ++i) {
        lua_rawgeti(L, table, i);
        lua_getfield(L, -1, "value");
        lua_getfield(L, -2, "point");
        const double value = lua_tonumber(L, -2), point = lua_tonumber(L, -1);
        lua_pop(L, 3);
        if (track == 0) {
          AddColorStop(g, static_cast<float>(point), RgbFromPacked(static_cast<uint32_t>(value)));
        } else {
          AddAlphaStop(g, static_cast<float>(point), static_cast<float>(value));
        }
      }
    }
    lua_settop(L, 0);
    std::vector<uint8_t> bytes(WriteGradationBytes(g, nullptr));
    WriteGradationBytes(g, bytes.data());
    return bytes;
  }

  FilterHarness host_;
  ScriptFace script_;
};

TEST_F(Editor, PressOnTheColourTrackAddsAndFillsTheColourRow) {
  EXPECT_EQ(Press(209, 84), 0);
  EXPECT_EQ(GetCapture(), host_.window());
  EXPECT_TRUE(CanvasInvalid());
  EXPECT_EQ(Describe(), "000000@0 808080@50 FFFFFF@100 | 100@0 100@100");
  for (int id : {kColorGroupId, kColorEntryId, kColorPositionId, kColorBoxId})
    EXPECT_TRUE(Enabled(id)) << id;
  for (int id : {kOpacityGroupId, kOpacityEntryId, kOpacityPositionId, kGreyBoxId}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_EQ(Text(kColorEntryId), "808080");
  EXPECT_EQ(Text(kColorPositionId), "50.0");
  EXPECT_EQ(BoxColor(kColorBoxId), 0x808080u);
  EXPECT_EQ(Release(209, 84), 1);
  EXPECT_EQ(GetCapture(), nullptr);
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(1));
}

TEST_F(Editor, PressOnTheTransparencyTrackAddsAndAsksForARefresh) {
  EXPECT_EQ(Press(209, 128), 1);
  EXPECT_EQ(Release(209, 128), 1);
  EXPECT_EQ(Describe(), "000000@0 FFFFFF@100 | 100@0 100@50 100@100");
  EXPECT_TRUE(Enabled(kOpacityEntryId));
  EXPECT_FALSE(Enabled(kColorEntryId));
  EXPECT_EQ(Text(kOpacityEntryId), "100.0");
  EXPECT_EQ(Text(kOpacityPositionId), "50.0");
  EXPECT_EQ(BoxColor(kGreyBoxId), 0xFEFEFEu);  // 100 % shows as 254 grey
}

TEST_F(Editor, PressesThatSelectOrDoNothing) {
  struct Case {
    int x, y;
    int32_t result;
    const char* after;
  } cases[] = {
      {13, 84, 0, "000000@0 FFFFFF@100 | 100@0 100@100"},
      {15, 84, 0, "000000@0 010101@1.5 FFFFFF@100 | 100@0 100@100"},
      {FilterHarness::kClientWidth - 8, 84, 0, "000000@0 FFFFFF@100 | 100@0 100@100"},
      {FilterHarness::kClientWidth - 9, 84, 0, "000000@0 FFFFFF@100 | 100@0 100@100"},
      {209, 100, 0, "000000@0 FFFFFF@100 | 100@0 100@100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    Lua("Velumbra.SetGradationData(1, {{value = 0, point = 0}, {value = 0xFFFFFF, point = "
        "100}}, {{value = 100, point = 0}, {value = 100, point = 100}})");
    EXPECT_EQ(Press(c.x, c.y), c.result);
    EXPECT_EQ(GetCapture(), c.y == 100 ? nullptr : host_.window());
    Release(c.x, c.y);
    EXPECT_EQ(Describe(), c.after);
  }
  // Below position 90 only: the last column adds at exactly 100, one further nothing.
  Lua("Velumbra.SetGradationData(1, {{value = 0, point = 0}, {value = 0xFFFFFF, point = 80}}, "
      "{})");
  EXPECT_EQ(Press(FilterHarness::kClientWidth - 8, 84), 0);
  EXPECT_EQ(GetCapture(), nullptr);
  Press(FilterHarness::kClientWidth - 9, 84);
  Release(FilterHarness::kClientWidth - 9, 84);
  EXPECT_EQ(Describe(), "000000@0 FFFFFF@80 FFFFFF@100 |");
}

TEST_F(Editor, SelectingShowsTheStopsValues) {
  Lua("Velumbra.SetGradationData(1, {{value = 0xFF8000, point = 12.5}, {value = 0, point = "
      "100}}, {})");
  const int x = StopToX(FilterHarness::kClientWidth, 12.5f);
  EXPECT_EQ(Press(x, 84), 0);
  Release(x, 84);
  EXPECT_EQ(Text(kColorEntryId), "FF8000");
  EXPECT_EQ(Text(kColorPositionId), "12.5");
  EXPECT_EQ(BoxColor(kColorBoxId), 0xFF8000u);
  EXPECT_FALSE(Enabled(kOpacityEntryId));
  EXPECT_EQ(Describe(), "FF8000@12.5 000000@100 |");
  // The entry already reads "12.5": the stop at 12.53 still goes to what it shows.
  Lua("Velumbra.SetGradationData(1, {{value = 0xFF8000, point = 12.53}, {value = 0, point = "
      "100}}, {})");
  Press(x, 84);
  Release(x, 84);
  EXPECT_EQ(Describe(), "FF8000@12.5 000000@100 |");
}

TEST_F(Editor, DraggingMovesRemovesOrKeeps) {
  struct Case {
    const char* name;
    std::vector<POINT> moves;
    const char* after;
  } cases[] = {
      {"off to row 69", {{209, 69}}, "000000@0 FFFFFF@100 |"},
      {"off and back to row 80", {{209, 69}, {209, 80}}, "000000@0 808080@50 FFFFFF@100 |"},
      {"along the track", {{109, 84}}, "000000@0 808080@25 FFFFFF@100 |"},
      {"to column 0", {{0, 84}}, "000000@0 808080@0 FFFFFF@100 |"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Lua("Velumbra.SetGradationData(1, {{value = 0, point = 0}, {value = 0xFFFFFF, point = "
        "100}}, {})");
    Press(209, 84);
    for (const POINT& p : c.moves) EXPECT_EQ(Move(p.x, p.y), 1);
    EXPECT_EQ(Release(c.moves.back().x, c.moves.back().y), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Describe(), c.after);
  }
  // Removed at the release: the colour row goes grey.
  EXPECT_TRUE(Enabled(kColorEntryId));
  Press(209, 84);
  Move(209, 69);
  host_.Pump();
  Release(209, 69);
  EXPECT_FALSE(Enabled(kColorEntryId));
  EXPECT_FALSE(Enabled(kOpacityEntryId));
}

TEST_F(Editor, ATwoStopTrackNeverHides) {
  Press(13, 84);
  EXPECT_EQ(Move(200, 0), 1);
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(1));  // the marker still shows
  EXPECT_EQ(Release(200, 0), 1);
  EXPECT_EQ(Describe(), "000000@47.8 FFFFFF@100 | 100@0 100@100");
}

TEST_F(Editor, TypedOpacityIsHeldToTheRange) {
  Lua("Velumbra.SetGradationData(1, {}, {{value = 40, point = 0}, {value = 100, point = 100}})");
  Press(9, 128);
  Release(9, 128);
  EXPECT_EQ(Text(kOpacityEntryId), "40.0");
  EXPECT_EQ(BoxColor(kGreyBoxId), 0x666666u);  // 40 x 2.55 = 102
  Type(kOpacityEntryId, "150");
  EXPECT_EQ(Text(kOpacityEntryId), "100.0");
  EXPECT_EQ(Describe(), "| 100@0 100@100");
  EXPECT_EQ(BoxColor(kGreyBoxId), 0xFEFEFEu);
  Type(kOpacityEntryId, "50");
  EXPECT_EQ(Describe(), "| 50@0 100@100");
  EXPECT_EQ(BoxColor(kGreyBoxId), 0x7F7F7Fu);
}

TEST_F(Editor, TypedPositionsMoveTheStopWithinTheBar) {
  Press(209, 84);
  Release(209, 84);
  Type(kColorPositionId, "-3");
  EXPECT_EQ(Text(kColorPositionId), "0.0");
  EXPECT_EQ(Describe(), "000000@0 808080@0 FFFFFF@100 | 100@0 100@100");
  Type(kColorPositionId, "75");
  EXPECT_EQ(Describe(), "000000@0 808080@75 FFFFFF@100 | 100@0 100@100");

  Press(209, 128);
  Release(209, 128);
  Type(kOpacityPositionId, "250");
  EXPECT_EQ(Text(kOpacityPositionId), "100.0");
  EXPECT_EQ(Describe(), "000000@0 808080@75 FFFFFF@100 | 100@0 100@100 100@100");
}

TEST_F(Editor, TypedColourRecoloursTheStopAndRepaints) {
  Press(209, 84);
  Release(209, 84);
  host_.Pump();
  ValidateRect(host_.window(), nullptr);
  Type(kColorEntryId, "0000FF");
  EXPECT_EQ(Describe(), "000000@0 0000FF@50 FFFFFF@100 | 100@0 100@100");
  EXPECT_TRUE(CanvasInvalid());
  EXPECT_EQ(BoxColor(kColorBoxId), 0x0000FFu);
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(1));
}

TEST_F(Editor, CommandResults) {
  struct Case {
    int id, code;
    int32_t result;
  } cases[] = {
      {1005, 0, 0},
      {kColorGroupId, 0, 0},
      {kOpacityGroupId, 0, 0},
      {999, 0, 0},
      {kGreyBoxId, 0, 1},
      {kGreyBoxId, 5, 1},
      {kColorBoxId, 5, 1},
      {kColorEntryId, 0, 1},
      {kColorPositionId, 0x300, 1},
      {kOpacityEntryId, 0x100, 1},
      {kOpacityPositionId, 0, 1},
  };
  for (const Case& c : cases) {
    host_.Pump();
    ValidateRect(host_.window(), nullptr);
    EXPECT_EQ(Command(c.id, c.code), c.result) << c.id;
    EXPECT_EQ(CanvasInvalid(), c.result == 1) << c.id;
  }
  EXPECT_EQ(Describe(), "000000@0 FFFFFF@100 | 100@0 100@100");
}

TEST_F(Editor, EntriesReachNothingOnceTheirStopIsGone) {
  Press(209, 84);
  Release(209, 84);
  // A script replaces the shown gradation: the selection is gone with its lists.
  Lua("Velumbra.SetGradationData(1, {{value = 0x111111, point = 10}, {value = 0x222222, "
      "point = 90}}, {})");
  EXPECT_FALSE(Enabled(kColorEntryId));
  SendMessageA(Control(kColorEntryId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("00FF00"));
  SendMessageA(Control(kColorPositionId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("33"));
  EXPECT_EQ(Describe(), "111111@10 222222@90 |");
}

TEST_F(Editor, ADragThatLosesTheMouseEndsThere) {
  Press(209, 84);
  Move(209, 69);
  HWND other =
      CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  SetCapture(other);  // the filter window is told through WM_CAPTURECHANGED
  ReleaseCapture();
  DestroyWindow(other);
  EXPECT_EQ(Move(300, 84), 0);  // no drag any more
  EXPECT_EQ(Describe(), "000000@0 FFFFFF@100 | 100@0 100@100");
}

// The colour dialog's red, green and blue entries.
constexpr int kDialogRed = 706, kDialogGreen = 707, kDialogBlue = 708;

TEST_F(Editor, ColourDialogCancelledChangesNothing) {
  Lua("Velumbra.SetGradationData(1, {{value = 0x123456, point = 0}, {value = 0, point = 100}}, "
      "{})");
  Press(9, 84);
  Release(9, 84);
  std::string shown;
  DialogDriver driver({[&](HWND dialog, std::vector<std::string>&) {
    shown = DialogDriver::Text(GetDlgItem(dialog, kDialogRed)) + "," +
            DialogDriver::Text(GetDlgItem(dialog, kDialogGreen)) + "," +
            DialogDriver::Text(GetDlgItem(dialog, kDialogBlue));
    DialogDriver::Click(dialog, IDCANCEL);
  }});
  host_.Pump();
  ValidateRect(host_.window(), nullptr);
  EXPECT_EQ(Command(kColorBoxId, 0), 0);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  EXPECT_EQ(shown, "18,52,86");  // starts from the entry's colour
  EXPECT_FALSE(CanvasInvalid());
  EXPECT_EQ(Text(kColorEntryId), "123456");
  EXPECT_EQ(Describe(), "123456@0 000000@100 |");
}

TEST_F(Editor, ColourDialogChoiceReachesEntryStopBoxAndCanvas) {
  Press(209, 84);
  Release(209, 84);
  DialogDriver driver({[](HWND dialog, std::vector<std::string>&) {
    SetDlgItemTextA(dialog, kDialogRed, "255");
    SetDlgItemTextA(dialog, kDialogGreen, "128");
    SetDlgItemTextA(dialog, kDialogBlue, "0");
    DialogDriver::Click(dialog, IDOK);
  }});
  host_.Pump();
  ValidateRect(host_.window(), nullptr);
  EXPECT_EQ(Command(kColorBoxId, 0), 1);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  EXPECT_EQ(Text(kColorEntryId), "FF8000");
  EXPECT_EQ(Describe(), "000000@0 FF8000@50 FFFFFF@100 | 100@0 100@100");
  EXPECT_EQ(BoxColor(kColorBoxId), 0xFF8000u);
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(1));
}

std::string TempFolder() {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "velumbra_editor_test\\";
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

// Writable again first: an earlier run may have left the file read-only.
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(WriteFileBytes(path, bytes));
}

// "type: LABEL" for each label of a filter list, as ChooseFile notes them.
std::vector<std::string> TypeLabels(const char* list) {
  std::vector<std::string> labels;
  for (const char* piece = list; *piece != '\0'; piece += std::strlen(piece) + 1) {
    labels.push_back(std::string("type: ") + piece);
    piece += std::strlen(piece) + 1;
  }
  return labels;
}

constexpr int kFileTypeList = 0x470;

// Types a name into a file dialog and presses its OK button; notes the
// dialog's file-type list.
DialogDriver::Action ChooseFile(const std::string& path) {
  return [path](HWND dialog, std::vector<std::string>& notes) {
    HWND types = GetDlgItem(dialog, kFileTypeList);
    const int count = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char label[256] = {};
      SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(label));
      notes.push_back(std::string("type: ") + label);
    }
    for (int id : {0x480, 0x47C}) {
      if (GetDlgItem(dialog, id) != nullptr) SetDlgItemTextA(dialog, id, path.c_str());
    }
    DialogDriver::Click(dialog, IDOK);
  };
}

// Notes a message box's caption, text, buttons and icon, then presses its
// first button.
DialogDriver::Action ReadMessageBox(int answer) {
  return [answer](HWND dialog, std::vector<std::string>& notes) {
    notes.push_back("caption: " + DialogDriver::Text(dialog));
    for (HWND child : DialogDriver::Children(dialog)) {
      const std::string type = DialogDriver::ClassOf(child);
      if (type == "Button" && IsWindowVisible(child)) {
        notes.push_back("button " + std::to_string(GetDlgCtrlID(child)));
      } else if (type == "Static") {
        const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (icon != nullptr) {
          notes.push_back(icon == LoadIconA(nullptr, IDI_ERROR) ? "error icon" : "other icon");
        } else if (!DialogDriver::Text(child).empty()) {
          notes.push_back("text: " + DialogDriver::Text(child));
        }
      }
    }
    DialogDriver::Click(dialog, answer);
  };
}

TEST_F(Editor, SaveButtonWritesTheShownEntryAddingTheExtension) {
  host_.Update(3, 0);
  Lua("Velumbra.SetGradationData(3, {{value = 0xABCDEF, point = 30}}, {{value = 20, point = "
      "70}})");
  const std::string folder = TempFolder();
  DeleteFileA((folder + "saved.grd").c_str());
  DialogDriver driver({ChooseFile(folder + "saved")});
  EXPECT_EQ(Command(kSaveButtonCommand), 1);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  EXPECT_EQ(driver.notes(), TypeLabels(SaveFileFilter().c_str()));
  EXPECT_EQ(ReadFileBytes(folder + "saved.grd"), Bytes(3));
  EXPECT_EQ(ReadFileBytes(folder + "saved.grd").size(), 8u + 7u + 8u);
}

TEST_F(Editor, LoadButtonReplacesTheShownEntry) {
  host_.Update(7, 0);
  GradationData red;
  AddColorStop(red, 10.0f, Rgb{255, 0, 0});
  AddAlphaStop(red, 60.0f, 30.0f);
  std::vector<uint8_t> bytes(WriteGradationBytes(red, nullptr));
  WriteGradationBytes(red, bytes.data());
  bytes.push_back(0xEE);  // trailing bytes are ignored
  const std::string path = TempFolder() + "red.grd";
  WriteAll(path, bytes);
  Press(209, 84);  // a selection in the lists about to be replaced
  Release(209, 84);
  DialogDriver driver({ChooseFile(path)});
  EXPECT_EQ(Command(kLoadButtonCommand), 1);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  EXPECT_EQ(Describe(7), "FF0000@10 | 30@60");
  EXPECT_EQ(Describe(1), "000000@0 FFFFFF@100 | 100@0 100@100");
  EXPECT_FALSE(Enabled(kColorEntryId));
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(7));
}

TEST_F(Editor, CancelledFileDialogsChangeNothingButStillRepaint) {
  for (int button : {kLoadButtonCommand, kSaveButtonCommand}) {
    DialogDriver driver(
        {[](HWND dialog, std::vector<std::string>&) { DialogDriver::Click(dialog, IDCANCEL); }});
    host_.Pump();
    ValidateRect(host_.window(), nullptr);
    EXPECT_EQ(Command(button), 1) << button;
    EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
    EXPECT_TRUE(CanvasInvalid()) << button;
  }
  EXPECT_EQ(Describe(), "000000@0 FFFFFF@100 | 100@0 100@100");
}

TEST_F(Editor, FailedLoadShowsTheLoadMessage) {
  const std::string path = TempFolder() + "junk.grd";
  WriteAll(path, {0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 1, 2, 3});  // counts far past the end
  DialogDriver driver({ChooseFile(path), {"Velumbra", ReadMessageBox(IDOK)}});
  EXPECT_EQ(Command(kLoadButtonCommand), 1);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  std::vector<std::string> box(driver.notes().end() - 4, driver.notes().end());
  std::sort(box.begin(), box.end());
  EXPECT_EQ(box, (std::vector<std::string>{"button 1", "caption: Velumbra", "error icon",
                                           std::string("text: ") + ui_strings::kLoadFailed +
                                               "\r\n" + ui_strings::kUnknownFileFormat}));
  EXPECT_EQ(Describe(), "000000@0 FFFFFF@100 | 100@0 100@100");
}

TEST_F(Editor, FailedSaveOverAReadOnlyFileShowsTheSaveMessage) {
  const std::string path = TempFolder() + "locked.grd";
  const std::vector<uint8_t> before = {1, 2, 3, 4};
  WriteAll(path, before);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  // The dialog first asks whether to replace the file: yes.
  DialogDriver driver(
      {ChooseFile(path), ReadMessageBox(IDYES), {"Velumbra", ReadMessageBox(IDOK)}});
  EXPECT_EQ(Command(kSaveButtonCommand), 1);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  std::vector<std::string> box(driver.notes().end() - 4, driver.notes().end());
  std::sort(box.begin(), box.end());
  EXPECT_EQ(box, (std::vector<std::string>{"button 1", "caption: Velumbra", "error icon",
                                           std::string("text: ") + ui_strings::kSaveFailed}));
  EXPECT_EQ(ReadFileBytes(path), before);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

std::vector<uint8_t> Record(const GradationData& g) {
  std::vector<uint8_t> bytes(WriteGradationBytes(g, nullptr));
  WriteGradationBytes(g, bytes.data());
  return bytes;
}

std::string Utf8(const wchar_t* text) {
  char out[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
  return out;
}

// Notes the chooser's lines, its selection and whether the keyboard is on the
// list, then presses the keys wherever the keyboard is, as a user would.
DialogDriver::Action PressInChooser(std::vector<WPARAM> keys) {
  return [keys](HWND dialog, std::vector<std::string>& notes) {
    HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t line[256] = {};
      if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 256) {
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
      }
      notes.push_back("line: " + Utf8(line));
    }
    notes.push_back("selected " + std::to_string(SendMessageW(list, LB_GETCURSEL, 0, 0)));
    GUITHREADINFO input = {};
    input.cbSize = sizeof input;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &input);
    notes.push_back(input.hwndFocus == list ? "keys to the list" : "keys elsewhere");
    for (WPARAM key : keys) {
      PostMessageW(input.hwndFocus, WM_KEYDOWN, key, 1);
      PostMessageW(input.hwndFocus, WM_KEYUP, key, 0xC0000001);
    }
  };
}

// Three gradients, named in three scripts.
const std::string kThreeGradients =
    "<svg xmlns='http://www.w3.org/2000/svg'><defs>"
    "<linearGradient id='sunrise'><stop offset='0' stop-color='#ff8000'/>"
    "<stop offset='1' stop-color='#200040'/></linearGradient>"
    "<linearGradient id='\xCE\xA9mega'><stop offset='0' stop-color='teal'/>"
    "<stop offset='0.5' stop-color='white' stop-opacity='0.5'/>"
    "<stop offset='1' stop-color='navy'/></linearGradient>"
    "<linearGradient id='\xE5\xA4\x95\xE7\x84\xBC\xE3\x81\x91'><stop offset='0' stop-color='red'/>"
    "<stop offset='1' stop-color='gold'/></linearGradient>"
    "</defs></svg>";
const std::string kDamagedGgr = "GIMP Gradient\nName: damaged\n1\n0 0.5 1 bad\n";

// Files of each kind through the "読込" button and by drop, into entry 4.
TEST_F(Editor, GradientFilesLoadThroughTheButtonAndByDrop) {
  host_.Update(4, 0);
  GradationData blueToWhite;
  AddColorStop(blueToWhite, 0.0f, Rgb{0, 0, 255});
  AddColorStop(blueToWhite, 100.0f, Rgb{255, 255, 255});
  AddAlphaStop(blueToWhite, 30.0f, 80.0f);
  const std::vector<std::string> chooserLines = {"line: sunrise", "line: \xCE\xA9mega",
                                                 "line: \xE5\xA4\x95\xE7\x84\xBC\xE3\x81\x91",
                                                 "selected 0", "keys to the list"};
  std::vector<std::string> damagedBox = {"button 1", "caption: Velumbra", "error icon",
                                         std::string("text: ") + ui_strings::kLoadFailed + "\r\n" +
                                             FormatRow(GradientFormat::Ggr)->label +
                                             ui_strings::kContentUnreadable + " (" +
                                             ImportGradients(kDamagedGgr).error + ")"};
  const struct {
    const char* file;
    std::string content;
    bool drop;
    std::vector<WPARAM> chooserKeys;  // none: no chooser shows
    bool failureBox;
    int loaded;  // the file's gradient now in entry 4; -1: the entry is unchanged
  } cases[] = {
      {"one.ggr", ExportGradation(blueToWhite, GradientFormat::Ggr, "one"), false, {}, false, 0},
      {"three.svg", kThreeGradients, false, {VK_DOWN, VK_RETURN}, false, 1},
      {"three_cancelled.svg", kThreeGradients, false, {VK_ESCAPE}, false, -1},
      {"damaged.ggr", kDamagedGgr, false, {}, true, -1},
      {"dropped.css",
       "background: linear-gradient(to right, #00ff00, rgba(0, 0, 128, 0.5));",
       true,
       {},
       false,
       0},
      {"dropped_three.svg", kThreeGradients, true, {VK_DOWN, VK_DOWN, VK_RETURN}, false, 2},
      {"dropped_damaged.ggr", kDamagedGgr, true, {}, false, -1},
  };
  const std::string folder = TempFolder();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    Lua("Velumbra.SetGradationData(4, {{value = 0x102030, point = 40}}, {{value = 60, point = "
        "40}})");
    const std::vector<uint8_t> before = Bytes(4);
    const std::string path = folder + c.file;
    WriteAll(path, std::vector<uint8_t>(c.content.begin(), c.content.end()));
    std::vector<DialogDriver::Step> steps;
    if (!c.drop) steps.push_back(ChooseFile(path));
    if (!c.chooserKeys.empty())
      steps.push_back({ui_strings::kChooserTitle, PressInChooser(c.chooserKeys)});
    if (c.failureBox) steps.push_back({"Velumbra", ReadMessageBox(IDOK)});
    host_.Pump();
    ValidateRect(host_.window(), nullptr);

    DialogDriver driver(steps);
    const int32_t result =
        c.drop ? host_.Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path})))
               : Command(kLoadButtonCommand);
    EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(CanvasInvalid());

    std::vector<std::string> types, shown;
    for (const std::string& note : driver.notes()) {
      (note.rfind("type: ", 0) == 0 ? types : shown).push_back(note);
    }
    if (!c.drop) {
      EXPECT_EQ(types, TypeLabels(LoadFileFilter().c_str()));
    }
    std::vector<std::string> expected =
        c.chooserKeys.empty() ? std::vector<std::string>{} : chooserLines;
    if (c.failureBox) expected = damagedBox;
    std::sort(shown.begin(), shown.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);

    if (c.loaded < 0) {
      EXPECT_EQ(Bytes(4), before);
    } else {
      const ImportResult imported = ImportGradients(c.content);
      ASSERT_GT(imported.gradients.size(), static_cast<size_t>(c.loaded));
      EXPECT_EQ(Bytes(4), Record(imported.gradients[c.loaded].gradation));
      host_.Pump();
      EXPECT_EQ(host_.CanvasPixels(), Expected(4));
    }
  }
  EXPECT_EQ(Describe(3), "000000@0 FFFFFF@100 | 100@0 100@100");
}

// Picks a file type by its place in the dialog's list, then names the file.
DialogDriver::Action ChooseFileOfType(int type, const std::string& path) {
  return [type, path](HWND dialog, std::vector<std::string>& notes) {
    HWND types = GetDlgItem(dialog, kFileTypeList);
    SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(type), 0);
    // What a pick with the mouse tells the dialog.
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK}) {
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeList, code),
                   reinterpret_cast<LPARAM>(types));
    }
    ChooseFile(path)(dialog, notes);
  };
}

TEST_F(Editor, SaveAsAGimpGradientWritesOneWithItsExtension) {
  host_.Update(3, 0);
  Lua("Velumbra.SetGradationData(3, {{value = 0xFF0000, point = 0}, {value = 0x0000FF, point = "
      "100}}, {{value = 100, point = 0}, {value = 40, point = 100}})");
  const std::string base = TempFolder() + "as_gimp";
  for (const char* extension : {"", ".ggr", ".grd", ".grd.ggr"}) {
    DeleteFileA((base + extension).c_str());
  }
  DialogDriver driver({ChooseFileOfType(1, base)});
  EXPECT_EQ(Command(kSaveButtonCommand), 1);
  EXPECT_TRUE(driver.Finish()) << ::testing::PrintToString(driver.notes());
  const ImportResult back = ImportGradientFile((base + ".ggr").c_str());
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_EQ(back.format, GradientFormat::Ggr);
  ASSERT_EQ(back.gradients.size(), 1u);
  EXPECT_EQ(back.gradients[0].name, "Velumbra 3");
  for (const char* extension : {"", ".grd", ".grd.ggr"}) {
    EXPECT_EQ(GetFileAttributesA((base + extension).c_str()), INVALID_FILE_ATTRIBUTES) << extension;
  }
}

// Presses, drags, releases and typed positions at random, with the panel's
// nested commands live: the lists stay in order within 0..100 and keep two
// stops at least.
TEST_F(Editor, RandomEditingKeepsTheListsInOrder) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> column(-30, FilterHarness::kClientWidth + 30);
  std::uniform_int_distribution<int> row(60, 150);
  const std::string check =
      "local c, a = Velumbra.GetGradationData(1) "
      "if #c < 2 or #a < 2 then return 'short' end "
      "for _, t in ipairs({c, a}) do for i, e in ipairs(t) do "
      "  if e.point < 0 or e.point > 100 then return 'range ' .. e.point end "
      "  if i > 1 and t[i - 1].point > e.point then return 'order' end "
      "end end return 'ok'";
  for (int step = 0; step < 1500; ++step) {
    const int action = static_cast<int>(random() % 10);
    const int x = column(random), y = row(random);
    if (action < 2) {
      Press(x, y);
    } else if (action < 7) {
      Move(x, y);
    } else if (action < 9) {
      Release(x, y);
    } else {
      const int id = random() % 2 ? kColorPositionId : kOpacityPositionId;
      if (Enabled(id)) Type(id, std::to_string(static_cast<int>(random() % 140) - 20).c_str());
    }
    ASSERT_EQ(Lua(check), "ok") << "step " << step;
  }
  Release(0, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

// A picture dropped on the editor shows its luminance-mode map, as the
// import makes it; one undo brings back what was there.
TEST_F(Editor, ADroppedPictureShowsItsGradientMapAndUndoesInOneStep) {
  host_.Update(4, 0);
  Lua("Velumbra.SetGradationData(4, {{value = 0x102030, point = 40}}, {{value = 60, point = 40}})");
  const std::vector<uint8_t> before = Bytes(4);
  constexpr int kWidth = 32;
  constexpr int kHeight = 8;
  std::vector<uint8_t> rgba;
  for (int i = 0; i < kWidth * kHeight; ++i) {
    const int x = i % kWidth;
    rgba.insert(rgba.end(), {static_cast<uint8_t>(x * 8), static_cast<uint8_t>(40 + x * 5),
                             static_cast<uint8_t>(200 - x * 6), 255});
  }
  std::vector<uint8_t> png;
  ASSERT_NE(stbi_write_png_to_func(
                [](void* context, void* data, int size) {
                  auto* out = static_cast<std::vector<uint8_t>*>(context);
                  out->insert(out->end(), static_cast<uint8_t*>(data),
                              static_cast<uint8_t*>(data) + size);
                },
                &png, kWidth, kHeight, 4, rgba.data(), kWidth * 4),
            0);
  const std::string path = TempFolder() + "scene.png";
  WriteAll(path, png);
  const ImportResult map = ImportGradients(std::string(png.begin(), png.end()));
  ASSERT_TRUE(map.ok()) << map.error;
  ASSERT_NE(Record(map.gradients[0].gradation), before);

  host_.Pump();
  ValidateRect(host_.window(), nullptr);
  EXPECT_EQ(host_.Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path}))), 1);
  EXPECT_EQ(Bytes(4), Record(map.gradients[0].gradation));
  EXPECT_TRUE(CanvasInvalid());
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(4));

  HoldKeys(true, false);
  host_.Send(WM_KEYDOWN, 'Z', 1);
  HoldKeys(false, false);
  EXPECT_EQ(Bytes(4), before);
}

TEST_F(Editor, KeysUndoRedoDeleteAndNudgeTheClickedStop) {
  const std::string first = Describe();
  Press(209, 84);  // adds a colour stop at 50
  Release(209, 84);
  const struct Step {
    WPARAM key;
    bool control, shift;
    const char* colours;  // the middle stop's position, or none
  } steps[] = {
      {VK_RIGHT, false, true, "@51 "}, {VK_LEFT, false, false, "@50.9 "},
      {VK_DELETE, false, false, ""},   {'Z', true, false, "@50.9 "},
      {'Z', true, false, "@50 "},  // the nudges were one step
      {'Z', true, false, ""},          {'Y', true, false, "@50 "},
      {'Z', true, true, "@50.9 "},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.key);
    HoldKeys(step.control, step.shift);
    host_.Send(WM_KEYDOWN, step.key, 1);
    HoldKeys(false, false);
    const std::string now = Describe();
    const size_t stops = std::count(now.begin(), now.begin() + now.find('|'), '@');
    EXPECT_EQ(stops, step.colours[0] == '\0' ? 2u : 3u) << now;
    if (step.colours[0] != '\0') {
      EXPECT_NE(now.find(step.colours), std::string::npos) << now;
    }
  }
  EXPECT_TRUE(CanvasInvalid());
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(1));
  EXPECT_EQ(Text(kColorPositionId), "50.9");
  // In the panel's entries the keys stay the entry's own: no nudge.
  SendMessageA(Control(kColorPositionId), WM_KEYDOWN, VK_LEFT, 1);
  SendMessageA(Control(kOpacityEntryId), WM_KEYDOWN, VK_RIGHT, 1);
  EXPECT_NE(Describe().find("@50.9 "), std::string::npos);
  HoldKeys(true, false);
  for (int i = 0; i < 5 && Describe() != first; ++i) host_.Send(WM_KEYDOWN, 'Z', 1);
  HoldKeys(false, false);
  EXPECT_EQ(Describe(), first);
}

// Opens the canvas menu with a right click at (x, y) and reads its items from
// a helper thread, which then closes it; every wait is bounded. The
// submenu's items go to `submenu`, a separator as id 0 and text "--".
struct MenuItem {
  UINT id;
  bool enabled;
  std::string text;
};
std::vector<MenuItem> OpenCanvasMenu(FilterHarness& host, int x, int y,
                                     std::vector<MenuItem>* submenu = nullptr) {
  struct Reader {
    DWORD thread;
    std::vector<MenuItem> items, submenu;
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
      if (DialogDriver::ClassOf(window) == "#32768" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      }
      return TRUE;
    }
    static DWORD WINAPI Run(void* self) {
      Reader& reader = *static_cast<Reader*>(self);
      HWND popup = nullptr;
      for (DWORD start = GetTickCount(); popup == nullptr && GetTickCount() - start < 20000;) {
        EnumThreadWindows(reader.thread, Find, reinterpret_cast<LPARAM>(&popup));
        if (popup == nullptr) Sleep(50);
      }
      if (popup != nullptr) {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, 0x01E1 /*MN_GETHMENU*/, 0, 0));
        for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
          const UINT id = GetMenuItemID(menu, i);
          if (HMENU inner = GetSubMenu(menu, i)) {
            for (int k = 0; k < GetMenuItemCount(inner); ++k) {
              char text[256] = "--";
              const UINT innerId = GetMenuItemID(inner, k);
              if (innerId != 0) GetMenuStringA(inner, k, text, sizeof text, MF_BYPOSITION);
              reader.submenu.push_back({innerId, true, text});
            }
            continue;
          }
          if (id == 0) continue;  // a separator
          reader.items.push_back({id, (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) == 0, {}});
        }
        PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
      }
      for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(50)) {
        HWND open = nullptr;
        EnumThreadWindows(reader.thread, Find, reinterpret_cast<LPARAM>(&open));
        if (open == nullptr) return 0;
      }
      EndMenu();
      return 0;
    }
  } reader{GetCurrentThreadId(), {}, {}};
  HANDLE worker = CreateThread(nullptr, 0, Reader::Run, &reader, 0, nullptr);
  POINT at = {x, y};
  ClientToScreen(host.window(), &at);
  host.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(host.window()), MAKELPARAM(at.x, at.y));
  WaitForSingleObject(worker, 30000);
  CloseHandle(worker);
  if (submenu != nullptr) *submenu = reader.submenu;
  return reader.items;
}

void EmptyTheClipboard(HWND owner) {
  if (OpenClipboard(owner)) {
    EmptyClipboard();
    CloseClipboard();
  }
}

TEST_F(Editor, CanvasMenuGreysWhatCannotActAndItsCommandsAct) {
  EmptyTheClipboard(host_.window());
  const auto menu = [&](int y) { return OpenCanvasMenu(host_, 209, y); };
  using Items = std::vector<std::pair<UINT, bool>>;
  const auto pairs = [](const std::vector<MenuItem>& items) {
    Items out;
    for (const MenuItem& item : items) out.emplace_back(item.id, item.enabled);
    return out;
  };
  EXPECT_EQ(pairs(menu(100)), (Items{{kMenuUndoCommand, false},
                                     {kMenuRedoCommand, false},
                                     {kMenuCopyCommand, true},
                                     {kMenuPasteCommand, false},
                                     {kMenuPickColor, false},
                                     {kMenuReverseCommand, true},
                                     {kMenuDistributeBoth, false},
                                     {kMenuDeleteCommand, false},
                                     {kMenuResetCommand, true}}));
  Press(100, 84);  // a third colour stop, selected
  Release(100, 84);
  EXPECT_EQ(pairs(menu(84)), (Items{{kMenuUndoCommand, true},
                                    {kMenuRedoCommand, false},
                                    {kMenuCopyCommand, true},
                                    {kMenuPasteCommand, false},
                                    {kMenuPickColor, true},
                                    {kMenuReverseCommand, true},
                                    {kMenuDistributeColor, true},
                                    {kMenuDeleteCommand, true},
                                    {kMenuResetCommand, true}}));
  EXPECT_EQ(pairs(menu(128)).at(6), (std::pair<UINT, bool>{kMenuDistributeAlpha, false}));

  const std::string added = Describe();
  struct Case {
    uint16_t command;
    const char* found;  // in the description afterwards
  } cases[] = {
      {kMenuDistributeColor, "@50 "},     {kMenuReverseCommand, "FFFFFF@0 "},
      {kMenuUndoCommand, "FFFFFF@100 |"}, {kMenuResetCommand, "000000@0 FFFFFF@100 |"},
      {kMenuUndoCommand, "@50 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(host_.Send(WM_COMMAND, c.command, 0), 1);
    EXPECT_NE(Describe().find(c.found), std::string::npos) << Describe();
  }
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), Expected(1));
  EXPECT_FALSE(Enabled(kColorEntryId));  // the selection did not survive the renumbering
}

TEST_F(Editor, CopyAndPasteCarryTheExactRecordOrCssText) {
  Press(150, 84);
  Release(150, 84);
  Press(260, 128);
  Release(260, 128);
  HoldKeys(true, false);
  host_.Send(WM_KEYDOWN, 'C', 1);
  HoldKeys(false, false);
  ASSERT_TRUE(OpenClipboard(host_.window()));
  const HANDLE text = GetClipboardData(CF_TEXT);
  const std::string css = text != nullptr ? static_cast<const char*>(GlobalLock(text)) : "";
  if (text != nullptr) GlobalUnlock(text);
  CloseClipboard();
  EXPECT_NE(css.find("linear-gradient("), std::string::npos) << css;

  host_.Update(7, 0);
  EXPECT_EQ(host_.Send(WM_COMMAND, kMenuPasteCommand, 0), 1);
  EXPECT_EQ(Bytes(7), Bytes(1));

  // Text alone is read as CSS; what is no gradient changes nothing.
  const auto putText = [&](const char* value) {
    ASSERT_TRUE(OpenClipboard(host_.window()));
    EmptyClipboard();
    const size_t size = std::strlen(value) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), value, size);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
  };
  const char* cssText = "linear-gradient(to right, #ff0000 0%, #0000ff 100%)";
  const ImportResult fitted = ImportGradients(cssText);
  ASSERT_TRUE(fitted.ok());
  std::vector<uint8_t> expected(WriteGradationBytes(fitted.gradients[0].gradation, nullptr));
  WriteGradationBytes(fitted.gradients[0].gradation, expected.data());
  putText(cssText);
  HoldKeys(true, false);
  host_.Send(WM_KEYDOWN, 'V', 1);
  HoldKeys(false, false);
  EXPECT_EQ(Bytes(7), expected);
  putText("not a gradient");
  EXPECT_EQ(host_.Send(WM_COMMAND, kMenuPasteCommand, 0), 1);
  EXPECT_EQ(Bytes(7), expected);
  HoldKeys(true, false);
  host_.Send(WM_KEYDOWN, 'Z', 1);
  host_.Send(WM_KEYDOWN, 'Z', 1);
  HoldKeys(false, false);
  EXPECT_EQ(Describe(7), Describe(50));  // both untouched defaults
  EmptyTheClipboard(host_.window());
}

// The second process of the clipboard round trip: pastes into ID 1 and
// writes what it got where the first process said. Skipped on its own.
TEST_F(Editor, PasteInASecondProcess) {
  const char* out = std::getenv("VELUMBRA_PASTED_RECORD");
  if (out == nullptr) GTEST_SKIP() << "run by CopyReachesASecondProcess";
  ASSERT_EQ(host_.Send(WM_COMMAND, kMenuPasteCommand, 0), 1);
  const std::vector<uint8_t> bytes = Bytes(1);
  FILE* file = std::fopen(out, "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

TEST_F(Editor, CopyReachesASecondProcess) {
  Press(120, 84);
  Release(120, 84);
  Press(300, 128);
  Release(300, 128);
  HoldKeys(true, false);
  host_.Send(WM_KEYDOWN, 'C', 1);
  HoldKeys(false, false);
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  char out[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, out);
  std::strcat(out, "velumbra_pasted.grd");
  DeleteFileA(out);
  SetEnvironmentVariableA("VELUMBRA_PASTED_RECORD", out);
  std::string command = std::string("\"") + self + "\" --gtest_filter=Editor.PasteInASecondProcess";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child));
  SetEnvironmentVariableA("VELUMBRA_PASTED_RECORD", nullptr);
  // The child's paste needs no message from this thread; wait, bounded.
  const DWORD waited = WaitForSingleObject(child.hProcess, 120000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(child.hProcess, 1);
  DWORD code = 1;
  GetExitCodeProcess(child.hProcess, &code);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  ASSERT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(ReadFileBytes(out), Bytes(1));
  DeleteFileA(out);
  EmptyTheClipboard(host_.window());
}

// A top-level window of one solid colour beside the filter window: what the
// eyedropper reads off the screen there.
class Swatch {
 public:
  static constexpr COLORREF kColor = RGB(0x33, 0x66, 0xCC);
  static constexpr POINT kCentre = {600, 400};

  Swatch() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Paint;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VelumbraTestSwatch";
    RegisterClassA(&windowClass);
    window_ =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "VelumbraTestSwatch",
                        "", WS_POPUP | WS_VISIBLE, kCentre.x - 40, kCentre.y - 40, 80, 80, nullptr,
                        nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window_);
  }
  ~Swatch() { DestroyWindow(window_); }

 private:
  static LRESULT CALLBACK Paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBRUSH brush = CreateSolidBrush(kColor);
    FillRect(dc, &paint.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
  }
  HWND window_;
};

void PressButton(DWORD down, DWORD up) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  SendInput(2, inputs, sizeof(INPUT));
}

TEST_F(Editor, EyedropperPicksTheScreenPixelKeepingOrCancelling) {
  const Swatch swatch;
  enum class End { LeftButton, Escape, RightButton };
  const struct Case {
    const char* name;
    End end;
    bool kept;
  } cases[] = {
      {"left button keeps", End::LeftButton, true},
      {"Esc cancels", End::Escape, false},
      {"right button cancels", End::RightButton, false},
  };
  POINT onCanvas = {300, 40};
  ClientToScreen(host_.window(), &onCanvas);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Press(100, 84);  // a third colour stop, selected
    Release(100, 84);
    const std::string before = Describe();
    SetCursorPos(onCanvas.x, onCanvas.y);
    host_.Pump();
    ASSERT_EQ(host_.Send(WM_KEYDOWN, 'I', 1), 1);
    EXPECT_EQ(GetCapture(), host_.window());
    // No button is held: only the cursor moves, as the timer follows it.
    SetCursorPos(Swatch::kCentre.x, Swatch::kCentre.y);
    for (DWORD start = GetTickCount();
         Text(kColorEntryId) != "3366CC" && GetTickCount() - start < 5000; Sleep(20)) {
      host_.Pump();
    }
    ASSERT_EQ(Text(kColorEntryId), "3366CC");  // live
    EXPECT_NE(Describe().find("3366CC@"), std::string::npos);
    switch (c.end) {
      case End::LeftButton:
        PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        break;
      case End::Escape:
        host_.Send(WM_KEYDOWN, VK_ESCAPE, 1);
        break;
      case End::RightButton:
        PressButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        break;
    }
    for (DWORD start = GetTickCount(); GetCapture() != nullptr && GetTickCount() - start < 5000;
         Sleep(20)) {
      host_.Pump();
    }
    EXPECT_EQ(GetCapture(), nullptr);
    // The pick is over: the cursor moving on changes nothing.
    const std::string ended = Describe();
    EXPECT_EQ(ended.find("3366CC@") != std::string::npos, c.kept) << ended;
    if (!c.kept) {
      EXPECT_EQ(ended, before);
    }
    SetCursorPos(onCanvas.x, onCanvas.y);
    Sleep(100);
    host_.Pump();
    EXPECT_EQ(Describe(), ended);
    host_.Pump();
    EXPECT_EQ(host_.CanvasPixels(), Expected(1));
    // One step when kept, none when cancelled: the undo then takes the added stop.
    HoldKeys(true, false);
    host_.Send(WM_KEYDOWN, 'Z', 1);
    HoldKeys(false, false);
    const std::string undone = Describe();
    if (c.kept) {
      EXPECT_EQ(undone, before);
      HoldKeys(true, false);
      host_.Send(WM_KEYDOWN, 'Z', 1);
      HoldKeys(false, false);
    } else {
      EXPECT_EQ(std::count(undone.begin(), undone.begin() + undone.find('|'), '@'), 2) << undone;
    }
  }
}

std::string RecordOf(const GradationData& g) {
  std::string bytes(WriteGradationBytes(g, nullptr), '\0');
  WriteGradationBytes(g, reinterpret_cast<uint8_t*>(bytes.data()));
  return bytes;
}

// The submenu shows the list model's presets, built-in and from the folder
// beside the library, as the real menu; an item replaces the shown
// gradation in one undo step.
TEST_F(Editor, PresetsSubmenuListsThePresetsAndChoosingOneIsOneUndoStep) {
  std::string folder = VELUMBRA_LIBRARY_PATH;
  folder = folder.substr(0, folder.find_last_of("/\\") + 1) + "presets\\";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  GradationData mine;
  SetDefaultGradation(mine);
  mine.colorStops[0].green = 0x7F;
  AddAlphaStop(mine, 50.0f, 25.0f);
  const std::vector<PresetBytes> user = {
      {"look-sepia", RecordOf(mine)}, {"zz-mine", RecordOf(mine)}, {"broken", "\x05"}};
  struct Cleanup {
    const std::string& folder;
    const std::vector<PresetBytes>& files;
    ~Cleanup() {
      for (const PresetBytes& file : files) DeleteFileA((folder + file.name + ".grd").c_str());
      RemoveDirectoryA(folder.c_str());
    }
  } cleanup{folder, user};
  for (const PresetBytes& file : user) {
    FILE* out = std::fopen((folder + file.name + ".grd").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.bytes.data(), 1, file.bytes.size(), out);
    std::fclose(out);
  }
  std::vector<MenuItem> shown;
  OpenCanvasMenu(host_, 209, 100, &shown);

  const std::vector<PresetItem> model = ListPresets(BuiltinPresetBytes(), user);
  ASSERT_EQ(shown.size(), model.size());
  for (size_t i = 0; i < model.size(); ++i) {
    EXPECT_EQ(shown[i].text, model[i].separator ? "--" : model[i].name) << i;
    EXPECT_EQ(shown[i].id == 0, model[i].separator) << i;
  }
  EXPECT_EQ(shown.back().text, "zz-mine");

  const std::string before = Describe();
  for (const MenuItem& item : shown) {
    if (item.text != "look-sepia" && item.text != shown.front().text) continue;
    SCOPED_TRACE(item.text);
    const GradationData& preset =
        std::find_if(model.begin(), model.end(), [&](const PresetItem& m) {
          return m.name == item.text;
        })->gradation;
    EXPECT_EQ(host_.Send(WM_COMMAND, item.id, 0), 1);
    const std::vector<uint8_t> bytes = Bytes(1);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), RecordOf(preset));
    host_.Pump();
    EXPECT_EQ(host_.CanvasPixels(), ExpectedCanvas(preset));
    EXPECT_EQ(host_.Send(WM_COMMAND, kMenuUndoCommand, 0), 1);
    EXPECT_EQ(Describe(), before);
  }
}

}  // namespace
