#include "model/gradation.h"

#include "model/stop_list.h"

const ColorStop& EmptyColorStop() {
  static const ColorStop stop{0, 0.0f, false, 0, 0, 0};
  return stop;
}

const AlphaStop& EmptyAlphaStop() {
  static const AlphaStop stop{0, 0.0f, false, 100.0f};
  return stop;
}

const ColorStop& ColorStopAt(const GradationData& gradation, int32_t index) {
  return stop_list::At(gradation.colorStops, index, EmptyColorStop());
}

const AlphaStop& AlphaStopAt(const GradationData& gradation, int32_t index) {
  return stop_list::At(gradation.alphaStops, index, EmptyAlphaStop());
}

int32_t FindStop(const GradationData& gradation, StopTrack track, int32_t serial) {
  return VisitStops(gradation, track,
                    [serial](const auto& stops) { return stop_list::Find(stops, serial); });
}

int32_t FindColorStop(const GradationData& gradation, int32_t serial) {
  return FindStop(gradation, StopTrack::Color, serial);
}

int32_t FindAlphaStop(const GradationData& gradation, int32_t serial) {
  return FindStop(gradation, StopTrack::Alpha, serial);
}

size_t StopCount(const GradationData& gradation, StopTrack track) {
  return VisitStops(gradation, track, [](const auto& stops) { return stops.size(); });
}

void RenumberStops(std::vector<ColorStop>& stops) { stop_list::Renumber(stops); }
void RenumberStops(std::vector<AlphaStop>& stops) { stop_list::Renumber(stops); }
void SortStops(std::vector<ColorStop>& stops) { stop_list::Sort(stops); }
void SortStops(std::vector<AlphaStop>& stops) { stop_list::Sort(stops); }

void RenumberStops(GradationData& gradation, StopTrack track) {
  VisitStops(gradation, track, [](auto& stops) { stop_list::Renumber(stops); });
}

void SortStops(GradationData& gradation, StopTrack track) {
  VisitStops(gradation, track, [](auto& stops) { stop_list::Sort(stops); });
}

int32_t AddColorStop(GradationData& gradation, float position, Rgb color) {
  return stop_list::Add(gradation.colorStops,
                        ColorStop{0, position, true, color.red, color.green, color.blue});
}

int32_t AddAlphaStop(GradationData& gradation, float position, float opacity) {
  return stop_list::Add(gradation.alphaStops, AlphaStop{0, position, true, opacity});
}

void ClearGradation(GradationData& gradation) {
  gradation.colorStops.clear();
  gradation.alphaStops.clear();
}
