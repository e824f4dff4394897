// A gradation evaluated at many positions in turn, for the image functions'
// tables and columns. Every result is bit for bit what EvaluateColor and
// EvaluateOpacity return for the same position and exponent; the saving comes
// from walking each track on from the previous position instead of from its
// first stop, and from settling each rounded value from a cheap estimate of
// the curve weight, taking the exact power only when the estimate lies too
// close to a rounding boundary to tell.
#pragma once

#include <cstdint>
#include <vector>

#include "model/evaluate_steps.h"
#include "model/gradation.h"

// The bracket of successive positions on one track. On a list in ascending
// position order without NaN the stop beyond x moves on from where it was;
// any other list is scanned from its start, as the evaluators do.
template <typename Stop>
class StopWalker {
 public:
  explicit StopWalker(const std::vector<Stop>& stops);
  evaluate_steps::Bracket Find(float x);

 private:
  const std::vector<Stop>& stops_;
  int32_t count_;
  bool ordered_;
  int32_t beyond_ = 0;  // first stop whose position is above x
  evaluate_steps::Bracket bracket_;
};

// The curve weight for one t within `error` of the exact one, where the
// exponent and t allow an estimate (then 0 <= weight <= 1).
struct WeightEstimate {
  bool valid = false;
  double weight = 0.0;
  double error = 0.0;
};

// How far a + w d + 0.5 computed from an estimate of w may lie from the same
// sum computed from the exact w, for |a|, |d| <= 2^21 and 0 <= w <= 1.
double BlendSlack(double a, double d, double weightError);

// floor(a + w d + 0.5) as the evaluators compute it from the exact weight, if
// the sum from `weight` lies more than `slack` inside an interval between two
// integers; false when it is too close to an integer to tell.
inline bool SettleRoundedBlend(double a, double d, double weight, double slack, double* rounded) {
  const double y = a + weight * d + 0.5;  // |y| < 2^23
  const double floor = static_cast<double>(static_cast<int32_t>(y));
  const double n = floor > y ? floor - 1.0 : floor;
  // Both differences are exact: n <= y < n + 1.
  if (!(y - n > slack && (n + 1.0) - y > slack)) return false;
  *rounded = n;
  return true;
}

class GradationSampler {
 public:
  // The gradation must stay unchanged while the sampler is in use.
  GradationSampler(const GradationData& gradation, float exponent);

  // colors[i] and opacities[i] at positions[i], for up to kBatch positions.
  // Successive positions near each other are the cheapest.
  static constexpr int kBatch = 64;
  void EvaluateBatch(const float* positions, int count, uint32_t* colors, float* opacities);

  void Evaluate(float position, uint32_t* color, float* opacity) {
    EvaluateBatch(&position, 1, color, opacity);
  }

 private:
  // Everything about the stops around x that stays while x moves between them.
  struct ColorSpan {
    evaluate_steps::Bracket bracket{-2, -2};  // none yet
    bool constant = true;
    uint32_t word = 0;
    const ColorStop* left = nullptr;
    const ColorStop* right = nullptr;
    double a[3] = {}, d[3] = {}, slack[3] = {};
  };
  struct AlphaSpan {
    evaluate_steps::Bracket bracket{-2, -2};
    bool constant = true;
    float opacity = 0.0f;
    const AlphaStop* left = nullptr;
    const AlphaStop* right = nullptr;
    bool tame = false;  // small enough to settle from an estimate
    double a = 0.0, d = 0.0, slack = 0.0;
  };

  void EstimateWeights(int count);
  void PrepareColor(evaluate_steps::Bracket bracket);
  void PrepareAlpha(evaluate_steps::Bracket bracket);
  uint32_t BlendColor(float t, const WeightEstimate& estimate);
  float BlendOpacity(float t, const WeightEstimate& estimate);
  double ExactWeight(float t);

  const GradationData& gradation_;
  float exponent_;
  bool linear_;
  StopWalker<ColorStop> colorWalker_;
  StopWalker<AlphaStop> alphaWalker_;
  ColorSpan color_;
  AlphaSpan alpha_;
  // One batch: each position's brackets and, between two stops, its t (NaN
  // otherwise) and weight estimate.
  evaluate_steps::Bracket colorBrackets_[kBatch], alphaBrackets_[kBatch];
  float colorT_[kBatch], alphaT_[kBatch];
  WeightEstimate colorWeights_[kBatch], alphaWeights_[kBatch];
  float bases_[2 * kBatch];
  double powers_[2 * kBatch];
  // The last exact weight, by its t's bits: both tracks often share their
  // stops' positions, and so their t.
  bool exactCached_ = false;
  uint32_t exactT_ = 0;
  double exact_ = 0.0;
};
