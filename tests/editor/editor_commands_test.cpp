#include "editor/editor_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "editor/canvas_drag.h"
#include "editor/canvas_raster.h"
#include "editor/shown_history.h"
#include "model/banks.h"
#include "model/stop_editing.h"
#include "support/stop_lists.h"

namespace {

constexpr int32_t kWidth = 418;
constexpr int32_t kColorRow = 84;
constexpr int32_t kAlphaRow = 128;

// ID 3 shown, with three colour stops at 0, 20, 100 and three alpha stops at
// 0, 70, 100.
struct Editor {
  GradationData& gradation = GradationBank[2];
  CanvasEditing editing;
  EditHistories histories;

  Editor() {
    SetDefaultGradation(gradation);
    AddColorStop(gradation, 20.0f, Rgb{10, 20, 30});
    AddAlphaStop(gradation, 70.0f, 40.0f);
    SortAndRenumberStops(gradation, StopTrack::Color);
    SortAndRenumberStops(gradation, StopTrack::Alpha);
    editing.currentIndex = 2;
    editing.shown = true;
    editing.clientWidth = kWidth;
  }
  // A press and release where the mouse does not move.
  void Click(int32_t x, int32_t y) {
    Gesture gesture;
    BeginGesture(editing, gesture);
    PressOnCanvas(editing, x, y);
    ReleaseOnCanvas(editing);
    EndGesture(editing, histories, gesture);
  }
  EditHistory& History() { return *histories.ForId(3); }
};

TEST(EditorCommands, EachOperationIsOneStepThatUndoesAndRedoes) {
  using Op = std::function<CanvasEffects(Editor&)>;
  struct Case {
    const char* name;
    Op op;
    std::vector<float> colors, alphas;
  } cases[] = {
      {"reverse",
       [](Editor& e) { return ReverseShown(e.editing, e.histories); },
       {0, 80, 100},
       {0, 30, 100}},
      {"distribute colour",
       [](Editor& e) {
         return DistributeShown(e.editing, e.histories, OnlyTrack(StopTrack::Color));
       },
       {0, 50, 100},
       {0, 70, 100}},
      {"distribute both",
       [](Editor& e) { return DistributeShown(e.editing, e.histories, kBothTracks); },
       {0, 50, 100},
       {0, 50, 100}},
      {"reset", [](Editor& e) { return ResetShown(e.editing, e.histories); }, {0, 100}, {0, 100}},
      {"delete the clicked alpha stop",
       [](Editor& e) {
         e.Click(StopToX(kWidth, 70.0f), kAlphaRow);
         return DeleteSelectedStop(e.editing, e.histories);
       },
       {0, 20, 100},
       {0, 100}},
      {"nudge the clicked colour stop",
       [](Editor& e) {
         e.Click(StopToX(kWidth, 20.0f), kColorRow);
         return NudgeSelectedStop(e.editing, e.histories, -1.0f);
       },
       {0, 19, 100},
       {0, 70, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Editor e;
    const GradationData first = e.gradation;
    const CanvasEffects effects = c.op(e);
    EXPECT_TRUE(effects.invalidate && effects.refreshPanel);
    EXPECT_EQ(Positions(e.gradation, StopTrack::Color), c.colors);
    EXPECT_EQ(Positions(e.gradation, StopTrack::Alpha), c.alphas);
    const GradationData after = e.gradation;
    // Clicks on markers change nothing and are no steps: one undo goes back.
    ASSERT_TRUE(CanUndo(e.editing, e.histories));
    UndoEdit(e.editing, e.histories);
    EXPECT_EQ(Positions(e.gradation, StopTrack::Color), Positions(first, StopTrack::Color));
    EXPECT_EQ(Positions(e.gradation, StopTrack::Alpha), Positions(first, StopTrack::Alpha));
    EXPECT_FALSE(CanUndo(e.editing, e.histories));
    RedoEdit(e.editing, e.histories);
    EXPECT_EQ(Positions(e.gradation, StopTrack::Color), Positions(after, StopTrack::Color));
  }
}

TEST(EditorCommands, DeleteKeepsTwoStopsAndNudgeClampsAndCoalesces) {
  Editor e;
  e.Click(StopToX(kWidth, 100.0f), kColorRow);
  EXPECT_TRUE(CanDeleteSelectedStop(e.editing));
  const CanvasEffects deleted = DeleteSelectedStop(e.editing, e.histories);
  EXPECT_EQ(deleted.rows[StopTrack::Color], RowChange::kDisable);
  EXPECT_EQ(Positions(e.gradation, StopTrack::Color), (std::vector<float>{0, 20}));
  e.Click(StopToX(kWidth, 20.0f), kColorRow);
  EXPECT_FALSE(CanDeleteSelectedStop(e.editing));
  EXPECT_EQ(DeleteSelectedStop(e.editing, e.histories).result, 0);

  for (int i = 0; i < 900; ++i) NudgeSelectedStop(e.editing, e.histories, 0.1f);
  EXPECT_EQ(Positions(e.gradation, StopTrack::Color), (std::vector<float>{0, 100}));
  EXPECT_TRUE(e.editing.selected[StopTrack::Color].valid);
  // All the nudges of one stop are one step, after the delete.
  UndoEdit(e.editing, e.histories);
  EXPECT_EQ(Positions(e.gradation, StopTrack::Color), (std::vector<float>{0, 20}));
  UndoEdit(e.editing, e.histories);
  EXPECT_EQ(Positions(e.gradation, StopTrack::Color), (std::vector<float>{0, 20, 100}));
  EXPECT_FALSE(CanUndo(e.editing, e.histories));
}

TEST(EditorCommands, APressWithItsDragIsOneStepAndNothingActsDuringADrag) {
  Editor e;
  const GradationData first = e.gradation;
  Gesture gesture;
  BeginGesture(e.editing, gesture);
  PressOnCanvas(e.editing, StopToX(kWidth, 50.0f), kColorRow);  // adds a stop
  MoveOnCanvas(e.editing, StopToX(kWidth, 60.0f), kColorRow);
  EXPECT_EQ(ReverseShown(e.editing, e.histories).result, 0);
  EXPECT_FALSE(CanUndo(e.editing, e.histories));
  MoveOnCanvas(e.editing, StopToX(kWidth, 60.0f), 200);  // off the track
  ReleaseOnCanvas(e.editing);
  EndGesture(e.editing, e.histories, gesture);
  EXPECT_EQ(e.gradation.colorStops.size(), 3u);
  EXPECT_FALSE(CanUndo(e.editing, e.histories));  // added and removed: no change

  // Dragging an existing stop off its track is undone whole.
  BeginGesture(e.editing, gesture);
  PressOnCanvas(e.editing, StopToX(kWidth, 20.0f), kColorRow);
  MoveOnCanvas(e.editing, StopToX(kWidth, 30.0f), 200);
  ReleaseOnCanvas(e.editing);
  EndGesture(e.editing, e.histories, gesture);
  EXPECT_EQ(Positions(e.gradation, StopTrack::Color), (std::vector<float>{0, 100}));
  UndoEdit(e.editing, e.histories);
  EXPECT_EQ(Positions(e.gradation, StopTrack::Color), Positions(first, StopTrack::Color));
  EXPECT_TRUE(e.gradation.colorStops[1].active);
}

TEST(EditorCommands, TheSelectionFollowsItsStopThroughWholeTrackEdits) {
  Editor e;
  e.Click(StopToX(kWidth, 70.0f), kAlphaRow);
  e.Click(StopToX(kWidth, 20.0f), kColorRow);
  NudgeSelectedStop(e.editing, e.histories, 90.0f);  // past 100: the list re-sorts
  ReverseShown(e.editing, e.histories);
  ASSERT_NE(SelectedColorStop(e.editing), nullptr);
  EXPECT_EQ(SelectedColorStop(e.editing)->position, 0.0f);
  EXPECT_EQ(SelectedColorStop(e.editing)->red, 10);
  DistributeShown(e.editing, e.histories, OnlyTrack(StopTrack::Alpha));
  ASSERT_NE(SelectedAlphaStop(e.editing), nullptr);
  EXPECT_EQ(SelectedAlphaStop(e.editing)->position, 50.0f);
  EXPECT_EQ(SelectedColorStop(e.editing)->red, 10);
  const CanvasEffects reset = ResetShown(e.editing, e.histories);
  EXPECT_EQ(reset.rows[StopTrack::Color], RowChange::kDisable);
  EXPECT_EQ(reset.rows[StopTrack::Alpha], RowChange::kDisable);
  EXPECT_EQ(SelectedColorStop(e.editing), nullptr);
}

}  // namespace
