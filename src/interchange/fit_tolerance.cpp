#include "interchange/fit_tolerance.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/evaluate.h"

uint8_t EightBitChannel(double channel) {
  if (!(channel > 0.0)) return 0;
  if (channel >= 1.0) return 255;
  return static_cast<uint8_t>(std::floor(channel * 255.0 + 0.5));
}

EightBitColor EightBitOf(const SourceColor& color) {
  return EightBitColor{
      {EightBitChannel(color.red), EightBitChannel(color.green), EightBitChannel(color.blue)}};
}

EightBitColor EightBitOfWord(uint32_t word) {
  return EightBitColor{{static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 8),
                        static_cast<uint8_t>(word)}};
}

bool ColorWithinTolerance(const EightBitColor& value, const EightBitColor& target) {
  for (int c = 0; c < 3; ++c) {
    if (std::abs(value.channel[c] - target.channel[c]) > kFitColorTolerance) return false;
  }
  return true;
}

bool OpacityWithinTolerance(double opacity, double alpha) {
  // The allowance absorbs the binary representation of whole percents.
  return std::fabs(opacity - alpha * 100.0) <= kFitOpacityTolerance + 1e-9;
}

bool NearHardEdge(double editorPosition, const std::vector<double>& sourceEdges) {
  // The allowance keeps samples a float's rounding inside the margin inside it.
  for (double edge : sourceEdges) {
    if (std::fabs(editorPosition - edge * 100.0) <= kFitEdgeMargin + 1e-6) return true;
  }
  return false;
}

namespace {

std::string Hex(const EightBitColor& color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color.channel[0], color.channel[1],
                color.channel[2]);
  return text;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

// Empty when sample i follows the source; it must not lie beside a hard edge.
std::string SampleMismatch(const GradationData& gradation, const SourceGradient& source, int i) {
  const float x = FitEditorPosition(i);
  const SourceColor target = source.colorAt(FitSourcePosition(i));
  const float opacity = EvaluateOpacity(gradation, x, kEditorCurveExponent);
  if (!OpacityWithinTolerance(opacity, target.alpha)) {
    return "at " + Number(x) + ": opacity " + Number(opacity) + "%, source " +
           Number(target.alpha * 100.0) + "%";
  }
  if (!(target.alpha > kFitCheckedAlpha)) return std::string();
  const EightBitColor color = EightBitOfWord(EvaluateColor(gradation, x, kEditorCurveExponent));
  if (!ColorWithinTolerance(color, EightBitOf(target))) {
    return "at " + Number(x) + ": colour " + Hex(color) + ", source " + Hex(EightBitOf(target));
  }
  return std::string();
}

}  // namespace

std::string FindFitMismatch(const GradationData& gradation, const SourceGradient& source) {
  for (int i = 0; i < kFitSampleCount; ++i) {
    if (NearHardEdge(FitEditorPosition(i), source.hardEdges)) continue;
    std::string mismatch = SampleMismatch(gradation, source, i);
    if (!mismatch.empty()) return mismatch;
  }
  return std::string();
}

std::vector<int> FitMismatchSamples(const GradationData& gradation, const SourceGradient& source) {
  std::vector<int> samples;
  for (int i = 0; i < kFitSampleCount; ++i) {
    if (NearHardEdge(FitEditorPosition(i), source.hardEdges)) continue;
    if (!SampleMismatch(gradation, source, i).empty()) samples.push_back(i);
  }
  return samples;
}
