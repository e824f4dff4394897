// How closely a gradation and another program's gradient must agree, in
// both directions: at 1001 evenly spaced positions, within one step of each
// 8-bit channel and one percentage point of opacity, colour compared only
// where the source is not all but transparent, and nothing compared right
// beside a hard edge, where the two sides may place the jump a sample apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interchange/source_gradient.h"
#include "model/gradation.h"

constexpr int kFitSampleCount = 1001;
constexpr int kFitColorTolerance = 1;         // per 8-bit channel
constexpr double kFitOpacityTolerance = 1.0;  // percentage points
constexpr double kFitCheckedAlpha = 0.005;    // colour is compared above this opacity
constexpr double kFitEdgeMargin = 0.1;        // editor units either side of a hard edge

// Sample i on the editor's scale (0..100) and on the source's (0..1).
inline float FitEditorPosition(int i) { return static_cast<float>(i / 10.0); }
inline double FitSourcePosition(int i) { return i / 1000.0; }

// A source channel (0..1) as the editor's 8-bit value: clamped and rounded;
// NaN counts as 0.
uint8_t EightBitChannel(double channel);

struct EightBitColor {
  uint8_t channel[3] = {};
};
EightBitColor EightBitOf(const SourceColor& color);
EightBitColor EightBitOfWord(uint32_t word);  // 0x..RRGGBB

bool ColorWithinTolerance(const EightBitColor& value, const EightBitColor& target);
// `opacity` in percent against a source alpha in 0..1.
bool OpacityWithinTolerance(double opacity, double alpha);

// Whether a sample on the editor's scale lies within the margin of one of
// the source-scale edges.
bool NearHardEdge(double editorPosition, const std::vector<double>& sourceEdges);

// Empty when the gradation, evaluated as the editor does, follows the source
// within the tolerance; otherwise where and how the first sample differs.
std::string FindFitMismatch(const GradationData& gradation, const SourceGradient& source);
// Every sample (0 .. kFitSampleCount - 1) that differs, ascending.
std::vector<int> FitMismatchSamples(const GradationData& gradation, const SourceGradient& source);
