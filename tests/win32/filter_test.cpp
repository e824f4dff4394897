// The filter face of the shipped library driven as a host drives it, in a
// process that also holds the script face's Lua runtime, so both faces share
// the one bank as they do in the real host.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "drop_handle.h"
#include "editor/canvas_raster.h"
#include "filter/control_ids.h"
#include "filter_harness.h"
#include "model/banks.h"
#include "persist/gradation_bytes.h"
#include "script_face.h"
#include "support/file_bytes.h"

namespace {

class FilterFace : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host_.Load(VELUMBRA_LIBRARY_PATH));
    ASSERT_TRUE(script_.Open(host_.library()));
  }
  void TearDown() override { host_.Close(); }

  std::string Lua(const std::string& chunk) { return script_.Run(chunk); }

  // A summary of bank entry `id` as the script face reads it.
  std::string Describe(int id) {
    return Lua("local c, a = Velumbra.GetGradationData(" + std::to_string(id) +
               ") local s = #c .. '/' .. #a for _, e in ipairs(c) do s = s .. ' ' .. "
               "string.format('%06X@%g', e.value, e.point) end return s");
  }

  FilterHarness host_;
  ScriptFace script_;
};

TEST_F(FilterFace, DescriptorSlots) {
  FilterRecord* d = host_.descriptor();
  auto get = reinterpret_cast<FilterRecord*(__cdecl*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(host_.library(), "GetFilterTable")));
  EXPECT_EQ(get(), d);
  EXPECT_EQ(d->flags, 0x00044004);
  EXPECT_EQ(d->windowWidth, 0x30000000);
  EXPECT_EQ(d->windowHeight, 0x300000AC);
  EXPECT_STREQ(d->name, "Velumbra");
  EXPECT_EQ(d->trackCount, 1);
  EXPECT_STREQ(d->trackNames[0], "ID");
  EXPECT_EQ(d->trackDefaults[0], 1);
  EXPECT_EQ(d->trackMinimums[0], 1);
  EXPECT_EQ(d->trackMaximums[0], 50);
  EXPECT_EQ(d->checkCount, 2);
  EXPECT_STREQ(d->checkNames[0], "\x93\xC7\x8D\x9E");
  EXPECT_STREQ(d->checkNames[1], "\x95\xDB\x91\xB6");
  EXPECT_EQ(d->checkDefaults[0], -1);
  EXPECT_EQ(d->checkDefaults[1], -1);
  EXPECT_STREQ(d->information, "Velumbra version 0.03 by qorvin");
  const void* callbacks[] = {
      reinterpret_cast<void*>(d->init),        reinterpret_cast<void*>(d->exit),
      reinterpret_cast<void*>(d->update),      reinterpret_cast<void*>(d->windowMessage),
      reinterpret_cast<void*>(d->projectLoad), reinterpret_cast<void*>(d->projectSave)};
  for (const void* callback : callbacks) EXPECT_NE(callback, nullptr);
  const void* unset[] = {d->processFrame, d->trackValues,      d->checkValues,  d->extraData,
                         d->saveStart,    d->saveEnd,          d->host,         d->window,
                         d->instance,     d->defaultExtraData, d->isSavedFrame, d->modifyTitle,
                         d->libraryPath};
  for (const void* slot : unset) EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(d->extraDataSize, 0);
  EXPECT_EQ(d->reserved[0], 0);
  EXPECT_EQ(d->reserved[1], 0);
}

TEST_F(FilterFace, InitialisationBuildsTheDisabledPanelAndTheDefaults) {
  EXPECT_EQ(Lua("return #Velumbra.GetGradationData(1)"), "0");  // nothing before init
  ASSERT_EQ(host_.CreateWindowAndInit(), 1);
  EXPECT_EQ(Describe(1), "2/2 000000@0 FFFFFF@100");
  EXPECT_EQ(Describe(50), "2/2 000000@0 FFFFFF@100");
  struct Control {
    int id, x, y, width, height;
  } controls[] = {{kColorGroupId, 8, 142, 402, 46},       {kColorEntryId, 16, 162, 64, 18},
                  {kColorPositionId, 266, 162, 64, 18},   {kColorBoxId, 338, 162, 64, 18},
                  {kOpacityGroupId, 8, 196, 402, 46},     {kOpacityEntryId, 16, 216, 64, 18},
                  {kOpacityPositionId, 266, 216, 64, 18}, {kGreyBoxId, 338, 216, 64, 18}};
  for (const Control& c : controls) {
    HWND control = GetDlgItem(host_.window(), c.id);
    ASSERT_NE(control, nullptr) << c.id;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, host_.window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.x) << c.id;
    EXPECT_EQ(r.top, c.y) << c.id;
    EXPECT_EQ(r.right - r.left, c.width) << c.id;
    EXPECT_EQ(r.bottom - r.top, c.height) << c.id;
    EXPECT_FALSE(IsWindowEnabled(control)) << c.id;
  }
}

TEST_F(FilterFace, CanvasFollowsTheIdTrackAndIgnoresOtherStatuses) {
  ASSERT_EQ(host_.CreateWindowAndInit(), 1);
  host_.Pump();
  const std::vector<uint32_t> unpainted = host_.CanvasPixels();
  GradationData defaults;
  SetDefaultGradation(defaults);
  EXPECT_NE(unpainted, ExpectedCanvas(defaults)) << "painted before the first update";

  ASSERT_EQ(Lua("Velumbra.SetGradationData(7, {{value = 0xFF0000, point = 20}, "
                "{value = 0x0000FF, point = 80}}, {{value = 100, point = 0}, "
                "{value = 0, point = 100}})"),
            "");
  GradationData seventh;
  AddColorStop(seventh, 20.0f, Rgb{255, 0, 0});
  AddColorStop(seventh, 80.0f, Rgb{0, 0, 255});
  AddAlphaStop(seventh, 0.0f, 100.0f);
  AddAlphaStop(seventh, 100.0f, 0.0f);

  EXPECT_EQ(host_.Update(7, 0x20000), 1);  // not the ID track: ignored
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), unpainted);

  EXPECT_EQ(host_.Update(7, 0x10000), 1);
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), ExpectedCanvas(seventh));

  EXPECT_EQ(host_.Update(1, 0), 1);
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), ExpectedCanvas(defaults));
}

TEST_F(FilterFace, ScriptSetterRepaintsOnlyTheShownGradation) {
  ASSERT_EQ(host_.CreateWindowAndInit(), 1);
  host_.Update(3, 0);
  host_.Pump();
  GradationData defaults;
  SetDefaultGradation(defaults);
  ASSERT_EQ(host_.CanvasPixels(), ExpectedCanvas(defaults));
  // No message is pumped: the repaint must happen inside the call.
  Lua("Velumbra.SetGradationData(4, {{value = 0x00FF00, point = 0}}, {})");
  EXPECT_EQ(host_.CanvasPixels(), ExpectedCanvas(defaults));
  Lua("Velumbra.SetGradationData(3, {{value = 0x00FF00, point = 0}}, {})");
  GradationData green;
  AddColorStop(green, 0.0f, Rgb{0, 255, 0});
  EXPECT_EQ(host_.CanvasPixels(), ExpectedCanvas(green));
}

TEST_F(FilterFace, HostResetMessageRestoresEveryEntry) {
  ASSERT_EQ(host_.CreateWindowAndInit(), 1);
  host_.Update(2, 0);
  Lua("Velumbra.SetGradationData(2, {}, {}) Velumbra.SetGradationData(49, {}, {})");
  EXPECT_EQ(Describe(49), "0/0");
  EXPECT_EQ(host_.Send(WM_USER + 101), 0);
  EXPECT_EQ(Describe(2), "2/2 000000@0 FFFFFF@100");
  EXPECT_EQ(Describe(49), "2/2 000000@0 FFFFFF@100");
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

std::vector<uint8_t> Record(const GradationData& g) {
  std::vector<uint8_t> bytes(WriteGradationBytes(g, nullptr));
  WriteGradationBytes(g, bytes.data());
  return bytes;
}

TEST_F(FilterFace, DroppedFilesLoadTheFirstIntoTheShownEntry) {
  ASSERT_EQ(host_.CreateWindowAndInit(), 1);
  host_.Update(5, 0);
  GradationData red, blue;
  AddColorStop(red, 10.0f, Rgb{255, 0, 0});
  AddColorStop(blue, 90.0f, Rgb{0, 0, 255});
  const std::string redPath = TempPath("velumbra_drop_red.grd");
  const std::string bluePath = TempPath("velumbra_drop_blue.grd");
  const std::string junkPath = TempPath("velumbra_drop_junk.grd");
  ASSERT_TRUE(WriteFileBytes(redPath, Record(red)));
  ASSERT_TRUE(WriteFileBytes(bluePath, Record(blue)));
  ASSERT_TRUE(WriteFileBytes(
      junkPath, {0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 1, 2, 3}));  // counts far past the end

  EXPECT_EQ(host_.Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({redPath, bluePath}))), 1);
  EXPECT_EQ(Describe(5), "1/0 FF0000@10");
  EXPECT_EQ(host_.Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({junkPath}))), 1);
  EXPECT_EQ(Describe(5), "1/0 FF0000@10");
  EXPECT_EQ(host_.Send(WM_DROPFILES,
                       reinterpret_cast<WPARAM>(MakeDrop({TempPath("velumbra_no_such.grd")}))),
            1);
  EXPECT_EQ(Describe(5), "1/0 FF0000@10");
  EXPECT_EQ(Describe(6), "2/2 000000@0 FFFFFF@100");
  // The canvas was invalidated: the next paint shows the dropped gradation.
  host_.Pump();
  EXPECT_EQ(host_.CanvasPixels(), ExpectedCanvas(red));
  DeleteFileA(redPath.c_str());
  DeleteFileA(bluePath.c_str());
  DeleteFileA(junkPath.c_str());
}

TEST_F(FilterFace, UnknownMessagesAndUnwiredInputYieldZero) {
  ASSERT_EQ(host_.CreateWindowAndInit(), 1);
  host_.Update(1, 0);
  EXPECT_EQ(host_.Send(WM_USER + 7), 0);
  EXPECT_EQ(host_.Send(WM_TIMER), 0);
}

}  // namespace
