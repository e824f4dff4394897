#include "editor/edit_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/stop_editing.h"
#include "persist/gradation_bytes.h"
#include "support/random_gradations.h"

namespace {

std::vector<uint8_t> Bytes(const GradationData& g) {
  std::vector<uint8_t> bytes(WriteGradationBytes(g, nullptr));
  WriteGradationBytes(g, bytes.data());
  return bytes;
}

// One random user edit of `g`, and its kind.
EditKind RandomEdit(TestRandom& random, GradationData& g, EditTarget& target) {
  switch (random.Below(4)) {
    case 0:
      AddColorStop(g, random.Uniform(0.0f, 100.0f), RgbFromPacked(uint32_t(random.Next())));
      return EditKind::AddStop;
    case 1:
      target = {StopTrack::Alpha, g.alphaStops.front().serial};
      g.alphaStops.front().opacity = random.Uniform(0.0f, 100.0f);
      return EditKind::TypeOpacity;
    case 2:
      target = {StopTrack::Color, g.colorStops.back().serial};
      g.colorStops.back().red = static_cast<uint8_t>(random.Next());
      return EditKind::TypeColor;
    default:
      RemoveColorStop(g, 0);
      return EditKind::Delete;
  }
}

// Long random sessions: the history always leads back to the first record
// and forward to the last, whatever was undone and redone in between.
TEST(EditHistory, UndoingEverythingGivesTheFirstRecordAndRedoingTheLast) {
  TestRandom random(7);
  int sessionsBackToTheFirst = 0;
  for (int session = 0; session < 40; ++session) {
    EditHistory history;
    GradationData shown;
    SetDefaultGradation(shown);
    const std::vector<uint8_t> first = Bytes(shown);
    std::vector<uint8_t> last = first;
    size_t records = 0;  // beyond the limit the oldest steps are gone
    const int actions = 30 + static_cast<int>(random.Below(200));
    for (int action = 0; action < actions; ++action) {
      if (random.Below(5) == 0) {
        const GradationData* back = random.Below(2) ? history.Undo() : history.Redo();
        if (back != nullptr) shown = *back;
        continue;
      }
      GradationData edited = shown;
      EditTarget target;
      const EditKind kind = RandomEdit(random, edited, target);
      history.Record(shown, edited, kind, target);
      shown = edited;
      last = Bytes(shown);
      ++records;
    }
    size_t undone = 0;
    while (const GradationData* back = history.Undo()) {
      shown = *back;
      ++undone;
    }
    EXPECT_LE(undone, EditHistory::kMaxSteps);
    if (records < EditHistory::kMaxSteps) {
      EXPECT_EQ(Bytes(shown), first);
      ++sessionsBackToTheFirst;
    }
    while (const GradationData* forward = history.Redo()) shown = *forward;
    EXPECT_EQ(Bytes(shown), last);
  }
  EXPECT_GT(sessionsBackToTheFirst, 10);  // short sessions, within the limit
}

TEST(EditHistory, TypingIntoOneFieldOfOneStopIsOneStep) {
  GradationData a, b, c, d;
  SetDefaultGradation(a);
  b = a, b.colorStops[0].red = 1;
  c = b, c.colorStops[0].red = 2;
  d = c, d.colorStops[0].green = 3;
  const EditTarget first{StopTrack::Color, a.colorStops[0].serial};
  const EditTarget other{StopTrack::Color, a.colorStops[1].serial};
  struct Case {
    const char* name;
    EditKind secondKind;
    EditTarget secondTarget;
    bool undoBetween;
    size_t undoSteps;
  } cases[] = {
      {"same field, same stop", EditKind::TypeColor, first, false, 1},
      {"another field", EditKind::TypePosition, first, false, 2},
      {"another stop", EditKind::TypeColor, other, false, 2},
      {"another kind of edit", EditKind::DialogColor, first, false, 2},
      {"an undo between", EditKind::TypeColor, first, true, 2},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    EditHistory history;
    history.Record(a, b, EditKind::TypeColor, first);
    if (k.undoBetween) history.Redo(), history.Undo(), history.Redo();
    history.Record(b, c, k.secondKind, k.secondTarget);
    size_t steps = 0;
    while (history.Undo() != nullptr) ++steps;
    EXPECT_EQ(steps, k.undoSteps);
  }
  // Typed back to where it began, the step disappears; no change is no step.
  EditHistory history;
  history.Record(a, b, EditKind::TypeColor, first);
  history.Record(b, a, EditKind::TypeColor, first);
  history.Record(a, a, EditKind::Reverse);
  EXPECT_FALSE(history.CanUndo());
}

TEST(EditHistory, KeepsTheNewestHundredAndForgetsOutsideReplacements) {
  EditHistory history;
  GradationData g;
  SetDefaultGradation(g);
  for (int i = 0; i < 150; ++i) {
    GradationData next = g;
    AddAlphaStop(next, static_cast<float>(i % 100), 50.0f);
    history.Record(g, next, EditKind::AddStop);
    g = next;
  }
  size_t steps = 0;
  const GradationData* oldest = nullptr;
  while (const GradationData* back = history.Undo()) oldest = back, ++steps;
  EXPECT_EQ(steps, 100u);
  ASSERT_NE(oldest, nullptr);
  EXPECT_EQ(oldest->alphaStops.size(), 2u + 50u);  // the first fifty steps are gone

  EditHistories histories;
  for (int id : {3, 4, 5}) histories.ForId(id)->Record(g, GradationData{}, EditKind::Reset);
  const struct {
    BankChangeReason reason;
    bool forgets;
  } reasons[] = {{BankChangeReason::File, false},
                 {BankChangeReason::Drop, false},
                 {BankChangeReason::Script, true},
                 {BankChangeReason::ProjectLoad, true},
                 {BankChangeReason::Reset, true}};
  for (const auto& r : reasons) {
    histories.ForgetReplaced({4, 1, r.reason});
    EXPECT_EQ(histories.ForId(4)->CanUndo(), !r.forgets);
  }
  EXPECT_TRUE(histories.ForId(3)->CanUndo());
  EXPECT_TRUE(histories.ForId(5)->CanUndo());
  EXPECT_EQ(histories.ForId(0), nullptr);
  EXPECT_EQ(histories.ForId(51), nullptr);
}

}  // namespace
