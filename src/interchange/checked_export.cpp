#include "interchange/checked_export.h"

#include <algorithm>
#include <cstdlib>  // abs

#include "interchange/fit_tolerance.h"
#include "interchange/fitting.h"
#include "interchange/linear_export.h"
#include "model/evaluate.h"

namespace {

// Colour allowances shrink by this much a round, down to kExactColorSteps:
// most samples come back within the tolerance long before they are exact,
// and every step skipped costs the file stops.
constexpr float kTighteningSteps = 0.25f;

// Tightens the allowance at a sample that came back too far, on the side it
// strayed to: a colour channel towards rounding to the editor's value, the
// opacity to leave no whole percent too far. Whether anything was left to
// tighten.
bool Tighten(SampleAllowance& allowance, const GradationData& back, const SourceGradient& original,
             int sample) {
  const float x = FitEditorPosition(sample);
  const SourceColor target = original.colorAt(FitSourcePosition(sample));
  bool tightened = false;
  if (!OpacityWithinTolerance(EvaluateOpacity(back, x, kEditorCurveExponent), target.alpha) &&
      !allowance.exactOpacity) {
    allowance.exactOpacity = tightened = true;
  }
  const EightBitColor wanted = EightBitOf(target);
  const EightBitColor got = EightBitOfWord(EvaluateColor(back, x, kEditorCurveExponent));
  for (int c = 0; c < 3; ++c) {
    const int offset = got.channel[c] - wanted.channel[c];
    if (std::abs(offset) <= kFitColorTolerance) continue;
    float& side = offset > 0 ? allowance.above[c] : allowance.below[c];
    if (side > kExactColorSteps) {
      side = std::max(kExactColorSteps, side - kTighteningSteps);
      tightened = true;
    }
  }
  return tightened;
}

}  // namespace

std::string WriteCheckedLinearFile(const GradationData& gradation, StopBlend blend,
                                   const LinearWriter& write, const GradientReader& read) {
  const SourceGradient original = GradationAsSource(gradation);
  std::vector<SampleAllowance> allowances(kFitSampleCount);
  for (;;) {
    std::string file = write(LinearStopsFor(gradation, blend, allowances));
    const ReadResult back = read(file);
    // The format's own writer always gives its reader one gradient.
    if (!back.ok() || back.gradients.size() != 1) return file;
    const FittedGradation fitted = FitGradation(back.gradients.front());
    bool tightened = false;
    for (int sample : FitMismatchSamples(fitted.gradation, original)) {
      tightened |=
          Tighten(allowances[static_cast<size_t>(sample)], fitted.gradation, original, sample);
    }
    if (!tightened) return file;
  }
}
