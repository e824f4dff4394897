#include "editor/shown_history.h"

EditHistory* ShownHistory(const CanvasEditing& editing, EditHistories& histories) {
  return ShownGradation(editing) == nullptr ? nullptr : histories.ForId(editing.currentIndex + 1);
}

void RecordShownEdit(const CanvasEditing& editing, EditHistories& histories,
                     const GradationData& before, EditKind kind, EditTarget target) {
  EditHistory* history = ShownHistory(editing, histories);
  if (history != nullptr) history->Record(before, *ShownGradation(editing), kind, target);
}

void BeginGesture(const CanvasEditing& editing, Gesture& gesture) {
  const GradationData* shown = ShownGradation(editing);
  gesture.open = shown != nullptr;
  if (shown == nullptr) return;
  gesture.index = editing.currentIndex;
  gesture.before = *shown;
}

void EndGesture(const CanvasEditing& editing, EditHistories& histories, Gesture& gesture) {
  if (!gesture.open) return;
  gesture.open = false;
  if (gesture.index != editing.currentIndex) return;
  const GradationData* shown = ShownGradation(editing);
  if (shown == nullptr) return;
  bool added = false;
  for (StopTrack track : kStopTracks) {
    added = added || StopCount(*shown, track) > StopCount(gesture.before, track);
  }
  RecordShownEdit(editing, histories, gesture.before, added ? EditKind::AddStop : EditKind::Drag);
}
