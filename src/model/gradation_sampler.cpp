#include "model/gradation_sampler.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "model/curve_power.h"

using namespace evaluate_steps;

namespace {

template <typename Stop>
bool InAscendingOrder(const std::vector<Stop>& stops) {
  for (size_t i = 0; i < stops.size(); ++i) {
    if (std::isnan(stops[i].position)) return false;
    if (i > 0 && stops[i - 1].position > stops[i].position) return false;
  }
  return true;
}

uint32_t FloatBits(float x) {
  uint32_t u;
  std::memcpy(&u, &x, sizeof u);
  return u;
}

// Opacities up to this settle from estimates; wilder ones take the exact path.
constexpr float kTameOpacity = 0x1p20f;

}  // namespace

template <typename Stop>
StopWalker<Stop>::StopWalker(const std::vector<Stop>& stops)
    : stops_(stops), count_(static_cast<int32_t>(stops.size())), ordered_(InAscendingOrder(stops)) {
  bracket_.right = NextActive(stops_, -1);
}

template <typename Stop>
Bracket StopWalker<Stop>::Find(float x) {
  if (!ordered_) return FindBracket(stops_, x);
  const Stop* stops = stops_.data();
  const int32_t left = bracket_.left;
  if (beyond_ > 0 && stops[beyond_ - 1].position > x) {
    do {
      --beyond_;
    } while (beyond_ > 0 && stops[beyond_ - 1].position > x);
    if (bracket_.left >= beyond_) {
      int32_t i = beyond_ - 1;
      while (i >= 0 && !stops[i].active) --i;
      bracket_.left = i;
    }
  }
  // In ascending order, the stops before `beyond_` are exactly those the evaluators pass over.
  for (; beyond_ < count_ && !(stops[beyond_].position > x); ++beyond_) {
    if (stops[beyond_].active) bracket_.left = beyond_;
  }
  if (bracket_.left != left) bracket_.right = NextActive(stops_, bracket_.left);
  return bracket_;
}

template class StopWalker<ColorStop>;
template class StopWalker<AlphaStop>;

double BlendSlack(double a, double d, double weightError) {
  // With 0 <= w <= 1 each of the three roundings in a + w d + 0.5 moves the sum by at most
  // 2^-53 (|a| + |d| + 1), in the exact computation and here alike; the weight's own error adds
  // |d| weightError. 2^-47 covers the roundings eight times over.
  return std::fabs(d) * weightError + (std::fabs(a) + std::fabs(d) + 1.0) * 0x1p-47;
}

GradationSampler::GradationSampler(const GradationData& gradation, float exponent)
    : gradation_(gradation),
      exponent_(exponent),
      linear_(exponent == 1.0f),
      colorWalker_(gradation.colorStops),
      alphaWalker_(gradation.alphaStops) {}

namespace {

// The t of x between the stops of the bracket, or NaN when the bracket gives one stop's value.
template <typename Stop>
float SpanFraction(const std::vector<Stop>& stops, Bracket bracket, float x) {
  if (bracket.left < 0) return std::numeric_limits<float>::quiet_NaN();
  const Stop& left = stops[static_cast<size_t>(bracket.left)];
  const Stop& right = stops[static_cast<size_t>(bracket.right < 0 ? bracket.left : bracket.right)];
  if (left.position == right.position) return std::numeric_limits<float>::quiet_NaN();
  return Fraction(x, left.position, right.position);
}

bool SameBracket(Bracket a, Bracket b) { return a.left == b.left && a.right == b.right; }

}  // namespace

void GradationSampler::EvaluateBatch(const float* positions, int count, uint32_t* colors,
                                     float* opacities) {
  // Three passes over the batch, each a short loop of independent steps that
  // the processor overlaps, where one long chain per position would not.
  for (int i = 0; i < count; ++i) {
    colorBrackets_[i] = colorWalker_.Find(positions[i]);
    alphaBrackets_[i] = alphaWalker_.Find(positions[i]);
    colorT_[i] = SpanFraction(gradation_.colorStops, colorBrackets_[i], positions[i]);
    alphaT_[i] = SpanFraction(gradation_.alphaStops, alphaBrackets_[i], positions[i]);
  }
  if (!linear_) EstimateWeights(count);
  for (int i = 0; i < count; ++i) {
    if (!SameBracket(colorBrackets_[i], color_.bracket)) PrepareColor(colorBrackets_[i]);
    if (!SameBracket(alphaBrackets_[i], alpha_.bracket)) PrepareAlpha(alphaBrackets_[i]);
    colors[i] = color_.constant ? color_.word : BlendColor(colorT_[i], colorWeights_[i]);
    opacities[i] = alpha_.constant ? alpha_.opacity : BlendOpacity(alphaT_[i], alphaWeights_[i]);
  }
}

void GradationSampler::EstimateWeights(int count) {
  // The bases whose powers are wanted, each t's once: a track whose t equals the
  // other's takes its weight.
  float* bases = bases_;
  double* powers = powers_;
  int wanted = 0;
  for (int i = 0; i < count; ++i) {
    if (colorT_[i] >= 0.0f && colorT_[i] <= 1.0f) bases[wanted++] = CurveBaseFloat(colorT_[i]);
    if (alphaT_[i] >= 0.0f && alphaT_[i] <= 1.0f && FloatBits(alphaT_[i]) != FloatBits(colorT_[i]))
      bases[wanted++] = CurveBaseFloat(alphaT_[i]);
  }
  CurvePowerEstimates(bases, wanted, exponent_, powers);
  const bool exponentEstimable = exponent_ >= 0.0625f && exponent_ <= 16.0f;
  int next = 0;
  auto weight = [&](float t) {
    WeightEstimate estimate;
    // Beyond [0, 1] (or NaN) the base leaves the estimate's domain; the exact path decides.
    if (!(t >= 0.0f && t <= 1.0f)) return estimate;
    const float base = bases[next];
    const double power = powers[next++];
    if (base == 0.0f) {
      // 0^p is exactly 0 for every p > 0; other exponents have no estimate anyway.
      estimate.valid = exponentEstimable;
      estimate.weight = WeightFromPower(t, 0.0);
    } else if (power >= 0.0) {
      // The exact power is the true one rounded once, so with power <= 1 it lies
      // within 2^-30 + 2^-52 + 2^-60 of the estimate. The weight halves that and
      // adds two roundings of 2^-53: 2^-30 covers it all.
      estimate.valid = true;
      estimate.weight = WeightFromPower(t, power);
      estimate.error = kCurvePowerEstimateError;
    }
    return estimate;
  };
  for (int i = 0; i < count; ++i) {
    colorWeights_[i] = weight(colorT_[i]);
    alphaWeights_[i] =
        FloatBits(alphaT_[i]) == FloatBits(colorT_[i]) ? colorWeights_[i] : weight(alphaT_[i]);
  }
}

void GradationSampler::PrepareColor(Bracket bracket) {
  const std::vector<ColorStop>& stops = gradation_.colorStops;
  color_.bracket = bracket;
  color_.constant = true;
  if (bracket.left < 0) {
    color_.word = ColorWord(LeadingStop(stops, EmptyColorStop()));
    return;
  }
  if (bracket.right < 0) bracket.right = bracket.left;
  const ColorStop& left = stops[static_cast<size_t>(bracket.left)];
  const ColorStop& right = stops[static_cast<size_t>(bracket.right)];
  if (left.position == right.position) {
    color_.word = ColorWord(right);
    return;
  }
  color_.constant = false;
  color_.left = &left;
  color_.right = &right;
  const uint8_t a[3] = {left.red, left.green, left.blue};
  const uint8_t b[3] = {right.red, right.green, right.blue};
  for (int i = 0; i < 3; ++i) {
    color_.a[i] = a[i];
    color_.d[i] = static_cast<int32_t>(b[i]) - static_cast<int32_t>(a[i]);
    color_.slack[i] = BlendSlack(color_.a[i], color_.d[i], kCurvePowerEstimateError);
  }
}

void GradationSampler::PrepareAlpha(Bracket bracket) {
  const std::vector<AlphaStop>& stops = gradation_.alphaStops;
  alpha_.bracket = bracket;
  alpha_.constant = true;
  if (bracket.left < 0) {
    alpha_.opacity = LeadingStop(stops, EmptyAlphaStop()).opacity;
    return;
  }
  if (bracket.right < 0) bracket.right = bracket.left;
  const AlphaStop& left = stops[static_cast<size_t>(bracket.left)];
  const AlphaStop& right = stops[static_cast<size_t>(bracket.right)];
  if (left.position == right.position) {
    alpha_.opacity = right.opacity;
    return;
  }
  alpha_.constant = false;
  alpha_.left = &left;
  alpha_.right = &right;
  alpha_.tame = std::fabs(left.opacity) <= kTameOpacity && std::fabs(right.opacity) <= kTameOpacity;
  alpha_.a = left.opacity;
  alpha_.d = static_cast<double>(right.opacity) - alpha_.a;
  alpha_.slack = alpha_.tame ? BlendSlack(alpha_.a, alpha_.d, kCurvePowerEstimateError) : 0.0;
}

inline uint32_t GradationSampler::BlendColor(float t, const WeightEstimate& estimate) {
  if (linear_) return InterpolateColor(*color_.left, *color_.right, t);
  if (estimate.valid) {
    uint32_t word = 0xFF000000u;
    bool settled = true;
    for (int i = 0; i < 3 && settled; ++i) {
      // A zero difference adds exactly nothing for any finite weight, and the
      // sum of 0.5 and a whole component is never near an integer.
      double rounded;
      settled =
          SettleRoundedBlend(color_.a[i], color_.d[i], estimate.weight, color_.slack[i], &rounded);
      if (settled) word |= static_cast<uint32_t>(static_cast<int32_t>(rounded)) << (16 - 8 * i);
    }
    if (settled) return word;
  }
  return InterpolateColor(*color_.left, *color_.right, ExactWeight(t));
}

inline float GradationSampler::BlendOpacity(float t, const WeightEstimate& estimate) {
  if (linear_) return LinearOpacity(*alpha_.left, *alpha_.right, t);
  if (alpha_.tame && estimate.valid) {
    // Times any finite weight, a zero difference adds exactly nothing.
    if (alpha_.d == 0.0) return CurvedOpacity(*alpha_.left, *alpha_.right, estimate.weight);
    double rounded;
    if (SettleRoundedBlend(alpha_.a, alpha_.d, estimate.weight, alpha_.slack, &rounded)) {
      return static_cast<float>(rounded);
    }
  }
  return CurvedOpacity(*alpha_.left, *alpha_.right, ExactWeight(t));
}

double GradationSampler::ExactWeight(float t) {
  const uint32_t bits = FloatBits(t);
  if (!exactCached_ || bits != exactT_) {
    exactCached_ = true;
    exactT_ = bits;
    exact_ = CurveWeight(t, exponent_);
  }
  return exact_;
}
