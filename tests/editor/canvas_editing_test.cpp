#include "editor/canvas_editing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "editor/canvas_drag.h"
#include "editor/canvas_layout.h"
#include "model/banks.h"
#include "model/stop_editing.h"
#include "support/stop_lists.h"

namespace {

constexpr int32_t kWidth = 418;

// The editor shows bank entries; these tests edit ID 1.
struct Canvas {
  GradationData& gradation = GradationBank[0];
  CanvasEditing editing;

  explicit Canvas(int32_t width = kWidth) {
    SetDefaultGradation(gradation);
    editing.shown = true;
    editing.clientWidth = width;
  }
};

TEST(PressOnCanvas, SelectsAddsOrIgnoresByZoneAndReach) {
  enum Outcome { kNothing, kSelectColor, kAddColor, kSelectAlpha, kAddAlpha };
  struct Case {
    int32_t x, y;
    Outcome outcome;
    float position;  // of the selected or added stop
  } cases[] = {
      {209, 84, kAddColor, 50.0f},
      {209, 128, kAddAlpha, 50.0f},
      {13, 84, kSelectColor, 0.0f},
      {15, 84, kAddColor, 1.5f},
      {4, 84, kSelectColor, 0.0f},
      {3, 84, kNothing, 0.0f},  // left of the bar's scale
      {410, 84, kSelectColor, 100.0f},
      {409, 84, kSelectColor, 100.0f},
      {403, 84, kSelectColor, 100.0f},
      {402, 84, kAddColor, 98.25f},
      {13, 128, kSelectAlpha, 0.0f},
      {409, 128, kSelectAlpha, 100.0f},
      {209, 100, kNothing, 0.0f},
      {209, kColorTrackTop - 1, kNothing, 0.0f},
      {209, kColorTrackTop, kAddColor, 50.0f},
      {209, kColorTrackBottom, kAddColor, 50.0f},
      {209, kColorTrackBottom + 1, kNothing, 0.0f},
      {209, kAlphaTrackTop - 1, kNothing, 0.0f},
      {209, kAlphaTrackTop, kAddAlpha, 50.0f},
      {209, kAlphaTrackBottom, kAddAlpha, 50.0f},
      {209, kAlphaTrackBottom + 1, kNothing, 0.0f},
      {-32768, 84, kNothing, 0.0f},
      {32767, 128, kNothing, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    Canvas canvas;
    const CanvasEffects effects = PressOnCanvas(canvas.editing, c.x, c.y);
    const GradationData& g = canvas.gradation;
    const bool color = c.outcome == kSelectColor || c.outcome == kAddColor;
    const bool alpha = c.outcome == kSelectAlpha || c.outcome == kAddAlpha;
    EXPECT_EQ(g.colorStops.size(), c.outcome == kAddColor ? 3u : 2u);
    EXPECT_EQ(g.alphaStops.size(), c.outcome == kAddAlpha ? 3u : 2u);
    EXPECT_EQ(effects.result, c.outcome == kAddAlpha ? 1 : 0);
    EXPECT_EQ(effects.invalidate, c.outcome == kAddColor || c.outcome == kAddAlpha);
    EXPECT_EQ(effects.capture, c.outcome != kNothing);
    EXPECT_EQ(effects.refreshPanel, c.outcome != kNothing);
    const std::optional<StopTrack> dragged = color   ? std::optional(StopTrack::Color)
                                             : alpha ? std::optional(StopTrack::Alpha)
                                                     : std::nullopt;
    EXPECT_EQ(canvas.editing.draggedTrack, dragged);
    EXPECT_EQ(effects.rows[StopTrack::Color], color   ? RowChange::kEnable
                                              : alpha ? RowChange::kDisable
                                                      : RowChange::kKeep);
    EXPECT_EQ(effects.rows[StopTrack::Alpha], alpha   ? RowChange::kEnable
                                              : color ? RowChange::kDisable
                                                      : RowChange::kKeep);
    if (color) {
      const ColorStop* stop = SelectedColorStop(canvas.editing);
      ASSERT_NE(stop, nullptr);
      EXPECT_EQ(stop->position, c.position);
      EXPECT_TRUE(stop->active);
    } else {
      EXPECT_FALSE(canvas.editing.selected[StopTrack::Color].valid);
    }
    if (alpha) {
      const AlphaStop* stop = SelectedAlphaStop(canvas.editing);
      ASSERT_NE(stop, nullptr);
      EXPECT_EQ(stop->position, c.position);
    } else {
      EXPECT_FALSE(canvas.editing.selected[StopTrack::Alpha].valid);
    }
  }
}

TEST(PressOnCanvas, NewStopsTakeTheGradationsValueThere) {
  Canvas canvas;
  PressOnCanvas(canvas.editing, 209, 84);
  const ColorStop* added = SelectedColorStop(canvas.editing);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(PackedFromStop(*added), 0x808080u);
  EXPECT_EQ(added->serial, 1);  // serial equals index after an addition

  canvas.gradation.alphaStops[1].opacity = 0.0f;
  EXPECT_EQ(PressOnCanvas(canvas.editing, 209, 128).result, 1);
  const AlphaStop* alpha = SelectedAlphaStop(canvas.editing);
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->opacity, 50.0f);
  // The colour selection survives a transparency addition.
  ASSERT_NE(SelectedColorStop(canvas.editing), nullptr);
  EXPECT_EQ(SelectedColorStop(canvas.editing)->position, 50.0f);
}

TEST(PressOnCanvas, PastTheLastColumnOnlyWhereNoMarkerReaches) {
  Canvas canvas;
  canvas.gradation.colorStops[1].position = 80.0f;
  EXPECT_EQ(PressOnCanvas(canvas.editing, kWidth - 8, 84).capture, false);
  EXPECT_EQ(canvas.gradation.colorStops.size(), 2u);
  EXPECT_TRUE(PressOnCanvas(canvas.editing, kWidth - 9, 84).capture);
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color),
            (std::vector<float>{0.0f, 80.0f, 100.0f}));
}

TEST(PressOnCanvas, OverlappingMarkersPickTheOneDrawnLast) {
  Canvas canvas;
  AddColorStop(canvas.gradation, 1.0f, Rgb{1, 2, 3});  // serial 1, drawn after the stop at 0
  PressOnCanvas(canvas.editing, 9, 84);
  ASSERT_NE(SelectedColorStop(canvas.editing), nullptr);
  EXPECT_EQ(SelectedColorStop(canvas.editing)->position, 1.0f);
}

TEST(PressOnCanvas, NothingWithoutAGradationOrWithADegenerateWidth) {
  CanvasEditing none;
  none.clientWidth = kWidth;
  EXPECT_EQ(PressOnCanvas(none, 209, 84).capture, false);
  EXPECT_FALSE(none.draggedTrack.has_value());

  // Width 18: column 9 maps to 0/0, the others to infinities. The markers
  // are moved out of reach so that every press asks for a position.
  Canvas narrow(18);
  narrow.gradation.colorStops[0].position = 1000.0f;
  narrow.gradation.colorStops[1].position = 1000.0f;
  for (int32_t x : {-20, 9, 30}) {
    EXPECT_FALSE(PressOnCanvas(narrow.editing, x, 84).capture) << x;
  }
  EXPECT_EQ(narrow.gradation.colorStops.size(), 2u);
}

// The middle of three colour stops pressed at (209, 84), then moved along `rows`.
struct DragCase {
  const char* name;
  std::vector<int32_t> rows;
  bool kept;
};

TEST(DragOffTrack, RemovesOnlyWhenReleasedOutsideTheBand) {
  const DragCase cases[] = {
      {"row 69", {69}, false},       {"69 then 80", {69, 80}, true}, {"row 70", {70}, true},
      {"row 97", {97}, true},        {"row 98", {98}, false},        {"row 0", {0}, false},
      {"back at 97", {0, 97}, true}, {"no move", {}, true},
  };
  for (const DragCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    PressOnCanvas(canvas.editing, 209, 84);
    for (int32_t row : c.rows) MoveOnCanvas(canvas.editing, 209, row);
    const CanvasEffects release = ReleaseOnCanvas(canvas.editing);
    EXPECT_EQ(release.result, 1);
    EXPECT_TRUE(release.releaseCapture);
    EXPECT_TRUE(release.invalidate);
    EXPECT_FALSE(canvas.editing.draggedTrack.has_value());
    const GradationData& g = canvas.gradation;
    EXPECT_EQ(g.colorStops.size(), c.kept ? 3u : 2u);
    EXPECT_EQ(release.rows[StopTrack::Color], c.kept ? RowChange::kKeep : RowChange::kDisable);
    EXPECT_EQ(release.rows[StopTrack::Alpha], RowChange::kKeep);
    EXPECT_EQ(canvas.editing.selected[StopTrack::Color].valid, c.kept);
    for (size_t i = 0; i < g.colorStops.size(); ++i) {
      EXPECT_EQ(g.colorStops[i].serial, static_cast<int32_t>(i));
      EXPECT_TRUE(g.colorStops[i].active);
    }
  }
}

TEST(DragOffTrack, TransparencyBandAndRow) {
  for (int32_t row : {113, 114, 141, 142}) {
    Canvas canvas;
    PressOnCanvas(canvas.editing, 209, 128);
    MoveOnCanvas(canvas.editing, 209, row);
    const bool inside = row >= 114 && row <= 141;
    EXPECT_EQ(canvas.gradation.alphaStops[1].active, inside) << row;
    const CanvasEffects release = ReleaseOnCanvas(canvas.editing);
    EXPECT_EQ(canvas.gradation.alphaStops.size(), inside ? 3u : 2u) << row;
    EXPECT_EQ(release.rows[StopTrack::Alpha], inside ? RowChange::kKeep : RowChange::kDisable)
        << row;
    EXPECT_EQ(release.rows[StopTrack::Color], RowChange::kKeep) << row;
  }
}

TEST(DragOffTrack, TwoStopTrackNeverHides) {
  Canvas canvas;
  PressOnCanvas(canvas.editing, 13, 84);
  const CanvasEffects move = MoveOnCanvas(canvas.editing, 200, 0);
  EXPECT_EQ(move.result, 1);
  EXPECT_TRUE(move.refreshPanel);
  EXPECT_TRUE(canvas.gradation.colorStops[0].active);
  EXPECT_EQ(canvas.gradation.colorStops[0].position, 47.75f);  // followed the column anyway
  ReleaseOnCanvas(canvas.editing);
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color), (std::vector<float>{47.75f, 100.0f}));
  EXPECT_TRUE(canvas.editing.selected[StopTrack::Color].valid);
}

TEST(DragOffTrack, OutsideTheBandRepaintsOnceAndKeepsThePosition) {
  Canvas canvas;
  PressOnCanvas(canvas.editing, 209, 84);
  EXPECT_EQ(MoveOnCanvas(canvas.editing, 250, 84).result, 1);
  const CanvasEffects out = MoveOnCanvas(canvas.editing, 300, 60);
  EXPECT_EQ(out.result, 1);
  EXPECT_TRUE(out.invalidate);
  EXPECT_FALSE(out.refreshPanel);
  const CanvasEffects again = MoveOnCanvas(canvas.editing, 350, 50);
  EXPECT_EQ(again.result, 0);
  EXPECT_FALSE(again.invalidate);
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color),
            (std::vector<float>{0.0f, 60.25f, 100.0f}));
  EXPECT_FALSE(canvas.gradation.colorStops[1].active);
}

TEST(DragOffTrack, EveryDragRepaintsWhenItsStopLeavesTheTrack) {
  Canvas canvas;
  AddColorStop(canvas.gradation, 25.0f, Rgb{});
  AddColorStop(canvas.gradation, 75.0f, Rgb{});
  for (int drag = 0; drag < 2; ++drag) {  // the first ends off the track
    PressOnCanvas(canvas.editing, 109, 84);
    MoveOnCanvas(canvas.editing, 109, 84);
    const CanvasEffects leaving = MoveOnCanvas(canvas.editing, 109, 40);
    EXPECT_EQ(leaving.result, 1) << drag;
    EXPECT_TRUE(leaving.invalidate) << drag;
    ReleaseOnCanvas(canvas.editing);
  }
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color),
            (std::vector<float>{0.0f, 75.0f, 100.0f}));
}

TEST(Drag, PastTheEndsPinsAtZeroAndHundred) {
  struct Case {
    int32_t x;
    float position;
  } cases[] = {{0, 0.0f}, {-32768, 0.0f}, {417, 100.0f}, {32767, 100.0f}, {109, 25.0f}};
  for (const Case& c : cases) {
    Canvas canvas;
    PressOnCanvas(canvas.editing, 209, 128);
    MoveOnCanvas(canvas.editing, c.x, 128);
    ReleaseOnCanvas(canvas.editing);
    const AlphaStop* stop = SelectedAlphaStop(canvas.editing);
    ASSERT_NE(stop, nullptr) << c.x;
    EXPECT_EQ(stop->position, c.position) << c.x;
  }
}

TEST(Drag, SelectionFollowsItsStopThroughTheRenumbering) {
  Canvas canvas;
  PressOnCanvas(canvas.editing, 309, 84);  // 75
  ReleaseOnCanvas(canvas.editing);
  PressOnCanvas(canvas.editing, 109, 84);  // 25, now serial 1 of 0, 25, 75, 100
  MoveOnCanvas(canvas.editing, 359, 84);   // to 87.5: order 0, 75, 87.5, 100
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color),
            (std::vector<float>{0.0f, 75.0f, 87.5f, 100.0f}));
  EXPECT_EQ(canvas.gradation.colorStops[2].serial, 1);
  ReleaseOnCanvas(canvas.editing);
  EXPECT_EQ(canvas.gradation.colorStops[2].serial, 2);
  ASSERT_NE(SelectedColorStop(canvas.editing), nullptr);
  EXPECT_EQ(SelectedColorStop(canvas.editing)->position, 87.5f);
  EXPECT_EQ(canvas.editing.selected[StopTrack::Color].serial, 2);
}

TEST(Drag, MovesAndReleasesWithoutADragDoNothing) {
  Canvas canvas;
  const CanvasEffects move = MoveOnCanvas(canvas.editing, 209, 84);
  const CanvasEffects release = ReleaseOnCanvas(canvas.editing);
  EXPECT_EQ(move.result, 0);
  EXPECT_FALSE(move.invalidate);
  EXPECT_EQ(release.result, 0);
  EXPECT_FALSE(release.releaseCapture);
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color), (std::vector<float>{0.0f, 100.0f}));
  EXPECT_FALSE(MoveDraggedStop(canvas.editing, 100));
  EXPECT_FALSE(UpdateDragBand(canvas.editing, 84));
}

TEST(Selection, StaleSerialsAreDroppedNotRedirected) {
  Canvas canvas;
  canvas.editing.selected[StopTrack::Color] = StopSelection{true, 7};
  canvas.editing.selected[StopTrack::Alpha] = StopSelection{true, 9};
  MoveSelectedStop(canvas.editing, StopTrack::Color, 30.0f);
  MoveSelectedStop(canvas.editing, StopTrack::Alpha, 30.0f);
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Color), (std::vector<float>{0.0f, 100.0f}));
  EXPECT_EQ(Positions(canvas.gradation, StopTrack::Alpha), (std::vector<float>{0.0f, 100.0f}));
  EXPECT_FALSE(canvas.editing.selected[StopTrack::Color].valid);
  EXPECT_FALSE(canvas.editing.selected[StopTrack::Alpha].valid);

  // A drag whose stop vanished (its lists replaced) changes nothing on release.
  canvas.editing.selected[StopTrack::Color] = StopSelection{true, 5};
  canvas.editing.draggedTrack = StopTrack::Color;
  canvas.gradation.colorStops.push_back(ColorStop{2, 100.0f, true, 1, 1, 1});
  EXPECT_FALSE(UpdateDragBand(canvas.editing, 0));
  ReleaseOnCanvas(canvas.editing);
  EXPECT_EQ(canvas.gradation.colorStops.size(), 3u);
  for (const ColorStop& s : canvas.gradation.colorStops) EXPECT_TRUE(s.active);
}

TEST(Selection, AStopThatCannotBeRemovedIsNotLeftHidden) {
  Canvas canvas;
  canvas.gradation.colorStops[1].active = false;
  canvas.editing.selected[StopTrack::Color] = StopSelection{true, 1};
  canvas.editing.draggedTrack = StopTrack::Color;
  const CanvasEffects release = ReleaseOnCanvas(canvas.editing);
  EXPECT_EQ(canvas.gradation.colorStops.size(), 2u);
  EXPECT_TRUE(canvas.gradation.colorStops[1].active);
  EXPECT_EQ(release.rows[StopTrack::Color], RowChange::kKeep);
  EXPECT_TRUE(canvas.editing.selected[StopTrack::Color].valid);
}

template <typename Stop>
void ExpectOrderedAndUnique(const std::vector<Stop>& stops, bool dragging, int step) {
  std::set<int32_t> serials;
  for (size_t i = 0; i < stops.size(); ++i) {
    ASSERT_TRUE(serials.insert(stops[i].serial).second) << "step " << step;
    ASSERT_GE(stops[i].position, 0.0f) << "step " << step;
    ASSERT_LE(stops[i].position, 100.0f) << "step " << step;
    if (!dragging) {
      ASSERT_TRUE(stops[i].active) << "step " << step;
    }
    if (i == 0) continue;
    const Stop& a = stops[i - 1];
    const Stop& b = stops[i];
    ASSERT_TRUE(a.position < b.position || (a.position == b.position && a.serial < b.serial))
        << "step " << step;
  }
  ASSERT_GE(stops.size(), 2u) << "step " << step;
}

TEST(RandomEditing, ListsStayOrderedWithUniqueSerials) {
  Canvas canvas;
  std::mt19937 random(20240607);
  std::uniform_int_distribution<int32_t> column(-40, kWidth + 40);
  std::uniform_int_distribution<int32_t> row(60, 150);
  std::uniform_int_distribution<int32_t> action(0, 9);
  std::uniform_real_distribution<float> typed(-20.0f, 120.0f);
  for (int step = 0; step < 40000; ++step) {
    const int a = action(random);
    const bool releasing = a >= 7 && a < 9;
    const std::optional<StopTrack> dragged = canvas.editing.draggedTrack;
    if (a < 2) {
      ReleaseOnCanvas(canvas.editing);  // a release clears any drag
      PressOnCanvas(canvas.editing, column(random), row(random));
    } else if (a < 7) {
      MoveOnCanvas(canvas.editing, column(random), row(random));
    } else if (releasing) {
      ReleaseOnCanvas(canvas.editing);
    } else {
      MoveSelectedStop(canvas.editing, random() % 2 ? StopTrack::Color : StopTrack::Alpha,
                       typed(random));
    }
    const GradationData& g = canvas.gradation;
    const bool dragging = canvas.editing.draggedTrack.has_value();
    ExpectOrderedAndUnique(g.colorStops, dragging, step);
    ExpectOrderedAndUnique(g.alphaStops, dragging, step);
    if (HasFatalFailure()) return;
    for (StopTrack track : kStopTracks) {
      if (canvas.editing.selected[track].valid) {
        ASSERT_GE(FindStop(g, track, canvas.editing.selected[track].serial), 0) << step;
      }
    }
    // A release leaves the dragged track's serials equal to the indices.
    if (releasing && dragged.has_value()) {
      const StopTrack track = dragged.value();
      for (size_t i = 0; i < StopCount(g, track); ++i) {
        const int32_t index = static_cast<int32_t>(i);
        ASSERT_EQ(FindStop(g, track, index), index) << step;
      }
    }
  }
  // The walk did edit: stops were added and removed along the way.
  EXPECT_GT(canvas.gradation.colorStops.size() + canvas.gradation.alphaStops.size(), 4u);
}

}  // namespace
