#include "editor/eyedropper.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/banks.h"
#include "model/stop_editing.h"

namespace {

constexpr Rgb kStart{10, 20, 30};
constexpr Rgb kPicked{200, 100, 50};

// ID 4 shown, its colour stop at 20 (kStart) selected.
struct Picking {
  CanvasEditing editing;
  EditHistories histories;
  Eyedropper picker;

  Picking() {
    for (int32_t index : {3, 4}) {
      SetDefaultGradation(GradationBank[index]);
      AddColorStop(GradationBank[index], 20.0f, kStart);
      SortAndRenumberStops(GradationBank[index], StopTrack::Color);
    }
    editing.currentIndex = 3;
    editing.shown = true;
    editing.clientWidth = 418;
    editing.selected[StopTrack::Color] = {true, GradationBank[3].colorStops[1].serial};
  }
  const ColorStop& Stop() const { return GradationBank[3].colorStops[1]; }
  EditHistory& History() { return *histories.ForId(4); }
};

bool Same(const ColorStop& stop, Rgb color) {
  return stop.red == color.red && stop.green == color.green && stop.blue == color.blue;
}

TEST(Eyedropper, StartsOnlyOnASelectedColourStopOfTheShownGradation) {
  const struct Case {
    const char* name;
    std::function<void(Picking&)> setUp;
    bool starts;
  } cases[] = {
      {"colour stop selected", [](Picking&) {}, true},
      {"nothing shown", [](Picking& p) { p.editing.shown = false; }, false},
      {"no colour stop selected",
       [](Picking& p) {
         p.editing.selected[StopTrack::Color] = {};
         p.editing.selected[StopTrack::Alpha] = {true, GradationBank[3].alphaStops[0].serial};
         p.editing.clickedTrack = StopTrack::Alpha;
       },
       false},
      {"selection names no stop",
       [](Picking& p) { p.editing.selected[StopTrack::Color].serial = 999; }, false},
      {"a drag under way", [](Picking& p) { p.editing.draggedTrack = StopTrack::Color; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Picking p;
    c.setUp(p);
    EXPECT_EQ(CanPickColor(p.editing), c.starts);
    EXPECT_EQ(BeginPicking(p.editing, p.picker), c.starts);
    EXPECT_EQ(p.picker.active, c.starts);
    EXPECT_FALSE(BeginPicking(p.editing, p.picker));  // once started, not again
    // A session that never started changes nothing.
    if (!c.starts) {
      EXPECT_EQ(ApplyPickedColor(p.editing, p.picker, kPicked).result, 0);
      EXPECT_TRUE(Same(p.Stop(), kStart));
    }
  }
}

TEST(Eyedropper, KeepingIsOneStepUnlessUnchangedAndCancellingRestores) {
  enum class End { Commit, Cancel, CancelAfterIdChange };
  const struct Case {
    const char* name;
    std::vector<Rgb> samples;
    End end;
    Rgb kept;
    bool step;
  } cases[] = {
      {"kept", {{1, 1, 1}, kPicked}, End::Commit, kPicked, true},
      {"kept back where it began", {kPicked, kStart}, End::Commit, kStart, false},
      {"kept without a move", {}, End::Commit, kStart, false},
      {"cancelled", {{1, 1, 1}, kPicked}, End::Cancel, kStart, false},
      {"cancelled by a change of ID", {kPicked}, End::CancelAfterIdChange, kStart, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Picking p;
    ASSERT_TRUE(BeginPicking(p.editing, p.picker));
    for (Rgb sample : c.samples) {
      const CanvasEffects live = ApplyPickedColor(p.editing, p.picker, sample);
      EXPECT_TRUE(Same(p.Stop(), sample));
      EXPECT_FALSE(p.History().CanUndo());  // nothing recorded while picking
      EXPECT_TRUE(live.result == 1 && live.invalidate && live.refreshPanel);  // each a change
    }
    CanvasEffects ended;
    switch (c.end) {
      case End::Commit:
        ended = CommitPicking(p.editing, p.histories, p.picker);
        break;
      case End::Cancel:
        ended = CancelPicking(p.editing, p.picker);
        EXPECT_TRUE(ended.invalidate && ended.refreshPanel);
        break;
      case End::CancelAfterIdChange:
        p.editing.currentIndex = 4;
        ended = CancelPicking(p.editing, p.picker);
        EXPECT_FALSE(ended.invalidate);  // the entry is no longer shown
        break;
    }
    EXPECT_FALSE(p.picker.active);
    EXPECT_TRUE(Same(p.Stop(), c.kept));
    EXPECT_TRUE(Same(GradationBank[4].colorStops[1], kStart));  // the other ID untouched
    // Ended: further samples reach nothing.
    EXPECT_EQ(ApplyPickedColor(p.editing, p.picker, {9, 9, 9}).result, 0);
    EXPECT_TRUE(Same(p.Stop(), c.kept));
    ASSERT_EQ(p.History().CanUndo(), c.step);
    if (c.step) {
      p.editing.currentIndex = 3;
      ASSERT_NE(p.History().Undo(), nullptr);
      EXPECT_FALSE(p.History().CanUndo());  // a single step
      EXPECT_TRUE(Same(p.History().Redo()->colorStops[1], c.kept));
    }
  }
}

TEST(Eyedropper, AReplacedEntryEndsThePickTouchingNothing) {
  Picking p;
  ASSERT_TRUE(BeginPicking(p.editing, p.picker));
  ApplyPickedColor(p.editing, p.picker, kPicked);
  AbandonPicking(p.picker);
  EXPECT_EQ(CancelPicking(p.editing, p.picker).result, 0);
  EXPECT_TRUE(Same(p.Stop(), kPicked));
  EXPECT_FALSE(p.History().CanUndo());
}

}  // namespace
