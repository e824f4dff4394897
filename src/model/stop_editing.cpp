#include "model/stop_editing.h"

#include "model/stop_list.h"

bool RemoveStop(GradationData& gradation, StopTrack track, int32_t index) {
  return VisitStops(gradation, track,
                    [index](auto& stops) { return stop_list::Remove(stops, index); });
}

bool RemoveColorStop(GradationData& gradation, int32_t index) {
  return RemoveStop(gradation, StopTrack::Color, index);
}

bool RemoveAlphaStop(GradationData& gradation, int32_t index) {
  return RemoveStop(gradation, StopTrack::Alpha, index);
}

int32_t SetStopPosition(GradationData& gradation, StopTrack track, int32_t index, float position) {
  return VisitStops(gradation, track, [index, position](auto& stops) {
    return stop_list::SetPosition(stops, index, position);
  });
}

int32_t SetColorStopPosition(GradationData& gradation, int32_t index, float position) {
  return SetStopPosition(gradation, StopTrack::Color, index, position);
}

int32_t SetAlphaStopPosition(GradationData& gradation, int32_t index, float position) {
  return SetStopPosition(gradation, StopTrack::Alpha, index, position);
}

const ColorStop& ColorStopBySerial(const GradationData& gradation, int32_t serial) {
  return ColorStopAt(gradation, FindColorStop(gradation, serial));
}

const AlphaStop& AlphaStopBySerial(const GradationData& gradation, int32_t serial) {
  return AlphaStopAt(gradation, FindAlphaStop(gradation, serial));
}

ColorStop* EditableColorStop(GradationData& gradation, int32_t serial) {
  const int32_t index = FindColorStop(gradation, serial);
  return index < 0 ? nullptr : &gradation.colorStops[static_cast<size_t>(index)];
}

AlphaStop* EditableAlphaStop(GradationData& gradation, int32_t serial) {
  const int32_t index = FindAlphaStop(gradation, serial);
  return index < 0 ? nullptr : &gradation.alphaStops[static_cast<size_t>(index)];
}

void SortAndRenumberStops(GradationData& gradation, StopTrack track) {
  SortStops(gradation, track);
  RenumberStops(gradation, track);
}
