// The editor's undo and redo: for each bank ID, the user's edits in the
// editor as snapshots of the gradation before and after each. Not saved
// anywhere; cleared for an ID whenever its entry is replaced from outside the
// editor, so that an undo can never overwrite a change the user did not make.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "model/banks.h"
#include "model/gradation.h"

enum class EditKind : uint8_t {
  AddStop,
  Drag,  // one whole drag, including a removal by dragging off the track
  TypePosition,
  TypeColor,
  TypeOpacity,
  DialogColor,
  PickColor,  // from the screen, kept with a left click
  Load,       // from a file or a drop
  Paste,
  Preset,  // chosen in the canvas menu
  Reverse,
  Distribute,
  Delete,
  Nudge,
  Reset,
};

// The stop a typed value or a nudge went to: such edits of one field of one
// stop, one after another, make a single step.
struct EditTarget {
  StopTrack track = StopTrack::Color;
  int32_t serial = -1;
};

class EditHistory {
 public:
  static constexpr size_t kMaxSteps = 100;

  // An edit turned `before` into `after`; a change of nothing is no step.
  // Anything undone before it can no longer be redone.
  void Record(const GradationData& before, const GradationData& after, EditKind kind,
              EditTarget target = {});

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The gradation to show after stepping back or forward, or null if there
  // is no step to take.
  const GradationData* Undo();
  const GradationData* Redo();
  void Clear();

 private:
  struct Step {
    GradationData before;
    GradationData after;
    EditKind kind;
    EditTarget target;
  };

  bool ExtendsLastStep(EditKind kind, EditTarget target) const;

  std::deque<Step> steps_;  // oldest first
  size_t done_ = 0;         // steps_[0, done_) are in effect
  bool lastMayGrow_ = false;
};

// One history per bank ID (1..50).
class EditHistories {
 public:
  // Null for an ID outside the bank.
  EditHistory* ForId(int32_t id);
  // Clears the IDs a replacement from outside the editor touched; the
  // editor's own loads are steps and keep their histories.
  void ForgetReplaced(const BankChange& change);

 private:
  EditHistory histories_[kBankSize];
};
