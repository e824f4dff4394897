#include "editor/edit_history.h"

#include <algorithm>
#include <cstddef>

namespace {

bool SameStops(const GradationData& a, const GradationData& b) {
  const auto sameColor = [](const ColorStop& x, const ColorStop& y) {
    return x.serial == y.serial && x.position == y.position && x.active == y.active &&
           x.red == y.red && x.green == y.green && x.blue == y.blue;
  };
  const auto sameAlpha = [](const AlphaStop& x, const AlphaStop& y) {
    return x.serial == y.serial && x.position == y.position && x.active == y.active &&
           x.opacity == y.opacity;
  };
  return a.colorStops.size() == b.colorStops.size() && a.alphaStops.size() == b.alphaStops.size() &&
         std::equal(a.colorStops.begin(), a.colorStops.end(), b.colorStops.begin(), sameColor) &&
         std::equal(a.alphaStops.begin(), a.alphaStops.end(), b.alphaStops.begin(), sameAlpha);
}

bool Coalesces(EditKind kind) {
  return kind == EditKind::TypePosition || kind == EditKind::TypeColor ||
         kind == EditKind::TypeOpacity || kind == EditKind::Nudge;
}

}  // namespace

bool EditHistory::ExtendsLastStep(EditKind kind, EditTarget target) const {
  if (!lastMayGrow_ || !Coalesces(kind) || done_ == 0 || done_ != steps_.size()) return false;
  const Step& last = steps_.back();
  return last.kind == kind && last.target.track == target.track &&
         last.target.serial == target.serial;
}

void EditHistory::Record(const GradationData& before, const GradationData& after, EditKind kind,
                         EditTarget target) {
  if (SameStops(before, after)) return;
  if (ExtendsLastStep(kind, target)) {
    steps_.back().after = after;
    // Typed back to where it began: the step undoes nothing any more.
    if (SameStops(steps_.back().before, after)) {
      steps_.pop_back();
      --done_;
      lastMayGrow_ = false;
    }
    return;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(Step{before, after, kind, target});
  if (steps_.size() > kMaxSteps) steps_.pop_front();
  done_ = steps_.size();
  lastMayGrow_ = true;
}

const GradationData* EditHistory::Undo() {
  lastMayGrow_ = false;
  if (!CanUndo()) return nullptr;
  return &steps_[--done_].before;
}

const GradationData* EditHistory::Redo() {
  lastMayGrow_ = false;
  if (!CanRedo()) return nullptr;
  return &steps_[done_++].after;
}

void EditHistory::Clear() {
  steps_.clear();
  done_ = 0;
  lastMayGrow_ = false;
}

EditHistory* EditHistories::ForId(int32_t id) {
  return id >= 1 && id <= kBankSize ? &histories_[id - 1] : nullptr;
}

void EditHistories::ForgetReplaced(const BankChange& change) {
  if (change.reason == BankChangeReason::File || change.reason == BankChangeReason::Drop) return;
  for (int32_t id = change.firstId; id < change.firstId + change.count; ++id) {
    if (EditHistory* history = ForId(id)) history->Clear();
  }
}
