#include "interchange/tone_map.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <new>
#include <string>
#include <utility>

#include "image/gradient_rows.h"
#include "model/evaluate.h"
#include "model/evaluate_steps.h"

// The fit: colour stops stand on luminance table entries that hold pixels. For
// fixed stops, every entry's colour is a blend of its two neighbouring stops
// with the eased curve's weight, so the stop colours minimising the squared
// error over all counted pixels solve a tridiagonal least-squares system.
// The curve is flat at every stop, so a stop more can cost as well as gain:
// for each number of stops in turn, two layouts are tried, one spread by
// where stops pay (StopFitter::MeasureDensity) and one grown a stop at a time
// where re-solving gains most. Each is solved, rounded to 8 bits, nudged level
// by level where the rounded blends gain, and measured through the real
// luminance table, until one comes within the bar's allowance. Short of it at
// the stop cap, the best layout's stops are moved about once more.

LuminanceHistogram HistogramOf(const uint32_t* pixels, size_t count) {
  LuminanceHistogram histogram;
  histogram.count.assign(kLuminanceLevels, 0);
  histogram.sum.assign(kLuminanceLevels, {0, 0, 0});
  for (size_t i = 0; i < count; ++i) {
    const uint32_t pixel = pixels[i];
    if ((pixel >> 24) == 0) continue;
    const uint32_t index = LuminanceIndex(pixel);
    const uint64_t r = (pixel >> 16) & 0xFF;
    const uint64_t g = (pixel >> 8) & 0xFF;
    const uint64_t b = pixel & 0xFF;
    ++histogram.count[index];
    std::array<uint64_t, 3>& sum = histogram.sum[index];
    sum[0] += r;
    sum[1] += g;
    sum[2] += b;
    histogram.squares += r * r + g * g + b * b;
  }
  for (uint64_t n : histogram.count) histogram.pixels += n;
  return histogram;
}

std::vector<ToneColor> AveragedToneMap(const LuminanceHistogram& histogram, int radius) {
  std::vector<ToneColor> map(kLuminanceLevels);
  std::vector<int> filled;
  for (int index = 0; index < kLuminanceLevels; ++index) {
    const int first = std::max(0, index - radius);
    const int last = std::min(kLuminanceLevels - 1, index + radius);
    uint64_t n = 0;
    std::array<uint64_t, 3> sum = {0, 0, 0};
    for (int k = first; k <= last; ++k) {
      n += histogram.count[static_cast<size_t>(k)];
      for (int c = 0; c < 3; ++c) sum[c] += histogram.sum[static_cast<size_t>(k)][c];
    }
    if (n == 0) continue;
    for (int c = 0; c < 3; ++c) {
      map[static_cast<size_t>(index)][c] = static_cast<double>(sum[c]) / static_cast<double>(n);
    }
    filled.push_back(index);
  }
  if (filled.empty()) return {};
  for (int index = 0; index < filled.front(); ++index) map[index] = map[filled.front()];
  for (int index = filled.back() + 1; index < kLuminanceLevels; ++index) {
    map[index] = map[filled.back()];
  }
  for (size_t f = 1; f < filled.size(); ++f) {
    const int a = filled[f - 1];
    const int b = filled[f];
    for (int index = a + 1; index < b; ++index) {
      const double t = static_cast<double>(index - a) / (b - a);
      for (int c = 0; c < 3; ++c) map[index][c] = map[a][c] + (map[b][c] - map[a][c]) * t;
    }
  }
  return map;
}

double RecolorRmsError(const LuminanceHistogram& histogram,
                       const uint32_t table[kLuminanceLevels]) {
  if (histogram.pixels == 0) return 0.0;
  // Over the pixels of one index, sum (v - x)^2 = n v^2 - 2 v sum(x) + sum(x^2):
  // exact in integers.
  int64_t error = static_cast<int64_t>(histogram.squares);
  for (size_t index = 0; index < kLuminanceLevels; ++index) {
    const int64_t n = static_cast<int64_t>(histogram.count[index]);
    if (n == 0) continue;
    for (int c = 0; c < 3; ++c) {
      const int64_t v = (table[index] >> (16 - 8 * c)) & 0xFF;
      error += n * v * v - 2 * v * static_cast<int64_t>(histogram.sum[index][c]);
    }
  }
  return std::sqrt(static_cast<double>(error) / (3.0 * static_cast<double>(histogram.pixels)));
}

namespace {

using evaluate_steps::CurveWeight;
using evaluate_steps::Fraction;
using evaluate_steps::InterpolateComponent;

// A luminance table entry that holds counted pixels.
struct Entry {
  int index = 0;
  float position = 0.0f;  // where the table samples the gradation for it
  double count = 0.0;
  ToneColor sum = {};
  ToneColor mean = {};
  double weight = 0.0;  // of the next stop, between the stops around it
};

uint8_t Quantized(double level) {
  return static_cast<uint8_t>(std::clamp(std::floor(level + 0.5), 0.0, 255.0));
}

uint32_t PackedLevels(const ToneColor& color) {
  return 0xFF000000u | static_cast<uint32_t>(Quantized(color[0])) << 16 |
         static_cast<uint32_t>(Quantized(color[1])) << 8 | Quantized(color[2]);
}

class StopFitter {
 public:
  explicit StopFitter(const LuminanceHistogram& histogram) {
    for (int index = 0; index < kLuminanceLevels; ++index) {
      const uint64_t n = histogram.count[static_cast<size_t>(index)];
      if (n == 0) continue;
      Entry entry;
      entry.index = index;
      entry.position = LuminancePosition(index, 1.0f, 0.0f);
      entry.count = static_cast<double>(n);
      for (int c = 0; c < 3; ++c) {
        entry.sum[c] = static_cast<double>(histogram.sum[static_cast<size_t>(index)][c]);
        entry.mean[c] = entry.sum[c] / entry.count;
      }
      entries_.push_back(entry);
    }
    knots_.push_back(0);
    if (entries_.size() > 1) knots_.push_back(entries_.size() - 1);
    UpdateWeights(0);
    MeasureDensity(histogram);
  }

  // Stops spaced evenly in the density: first and last entry always, the rest
  // at the density's quantiles, each on the nearest entry not yet taken.
  std::vector<size_t> DensityLayout(size_t stops) const {
    std::vector<size_t> layout = {0};
    if (entries_.size() < 2) return layout;
    const double total = density_.back();
    for (size_t j = 1; j + 1 < stops; ++j) {
      const double target = total * static_cast<double>(j) / static_cast<double>(stops - 1);
      size_t at = static_cast<size_t>(std::lower_bound(density_.begin(), density_.end(), target) -
                                      density_.begin());
      if (at > 0 && target - density_[at - 1] < density_[at] - target) --at;
      if (at > layout.back() && at + 1 < entries_.size()) layout.push_back(at);
    }
    layout.push_back(entries_.size() - 1);
    return layout;
  }

  void SetLayout(std::vector<size_t> layout) {
    knots_ = std::move(layout);
    for (size_t j = 0; j + 1 < knots_.size(); ++j) UpdateWeights(j);
  }

  size_t StopCount() const { return knots_.size(); }
  const std::vector<size_t>& Layout() const { return knots_; }

  // The least-squares stop colours for the present stops, then their 8-bit
  // levels, nudged while the rounded blends gain.
  void Fit() {
    Solve();
    levels_.resize(colors_.size());
    for (size_t j = 0; j < colors_.size(); ++j) {
      for (int c = 0; c < 3; ++c) levels_[j][c] = Quantized(colors_[j][c]);
    }
    Nudge();
  }

  GradationData Gradation() const {
    GradationData gradation;
    const auto add = [&gradation](float position, const std::array<uint8_t, 3>& level) {
      AddColorStop(gradation, position, Rgb{level[0], level[1], level[2]});
    };
    if (knots_.size() == 1) {
      add(0.0f, levels_[0]);
      add(100.0f, levels_[0]);
    } else {
      for (size_t j = 0; j < knots_.size(); ++j) add(entries_[knots_[j]].position, levels_[j]);
    }
    AddAlphaStop(gradation, 0.0f, 100.0f);
    AddAlphaStop(gradation, 100.0f, 100.0f);
    return gradation;
  }

  // One more stop, where re-solving with it leaves the least error: tried in
  // the spans with the most error, at the entry with the most error, at the
  // median of the span's error and at its middle. False when every entry
  // already has a stop.
  bool AddStop() {
    Solve();
    std::vector<std::pair<double, size_t>> spans;  // error, span
    for (size_t j = 0; j + 1 < knots_.size(); ++j) {
      if (knots_[j + 1] - knots_[j] < 2) continue;
      double error = 0.0;
      for (size_t i = knots_[j] + 1; i < knots_[j + 1]; ++i) error += EntryError(i, j);
      spans.emplace_back(error, j);
    }
    if (spans.empty()) return false;
    const size_t tried = std::min(spans.size(), kTriedSpans);
    std::partial_sort(spans.begin(), spans.begin() + static_cast<std::ptrdiff_t>(tried),
                      spans.end(), std::greater<>());
    std::vector<size_t> candidates;
    for (size_t s = 0; s < tried; ++s) {
      const size_t span = spans[s].second;
      const size_t first = knots_[span] + 1;
      const size_t end = knots_[span + 1];
      size_t worst = first;
      size_t median = first;
      double worstError = -1.0;
      double below = 0.0;
      for (size_t i = first; i < end; ++i) {
        const double error = EntryError(i, span);
        if (error > worstError) {
          worstError = error;
          worst = i;
        }
        if (below < spans[s].first / 2.0) median = i;
        below += error;
      }
      const int middleIndex = (entries_[first - 1].index + entries_[end].index) / 2;
      size_t middle = first;
      while (middle + 1 < end && entries_[middle].index < middleIndex) ++middle;
      for (size_t at : {worst, median, middle}) {
        if (std::find(candidates.begin(), candidates.end(), at) == candidates.end()) {
          candidates.push_back(at);
        }
      }
    }
    const std::vector<ToneColor> kept = colors_;
    size_t best = candidates.front();
    double bestError = INFINITY;
    for (size_t at : candidates) {
      const size_t span = Insert(at);
      Solve();
      const double error = TotalError();
      if (error < bestError) {
        bestError = error;
        best = at;
      }
      Remove(span + 1);
    }
    colors_ = kept;
    Insert(best);
    return true;
  }

  // Moves stops, one at a time, to nearby entries where re-solving leaves less
  // error, for a few sweeps or until none moves; false if none moved.
  bool MoveStops() {
    Solve();
    double error = TotalError();
    bool moved = false;
    for (int sweep = 0; sweep < kMoveSweeps; ++sweep) {
      bool movedThisSweep = false;
      for (size_t j = 1; j + 1 < knots_.size(); ++j) {
        const size_t home = knots_[j];
        size_t best = home;
        for (size_t step = 1; step < knots_[j + 1] - knots_[j - 1]; step *= 2) {
          for (size_t at : {home - std::min(step, home), home + step}) {
            if (at <= knots_[j - 1] || at >= knots_[j + 1]) continue;
            Move(j, at);
            Solve();
            const double tried = TotalError();
            if (tried < error) {
              error = tried;
              best = at;
            }
          }
        }
        Move(j, best);
        movedThisSweep = movedThisSweep || best != home;
      }
      moved = moved || movedThisSweep;
      if (!movedThisSweep) break;
    }
    return moved;
  }

 private:
  static constexpr size_t kTriedSpans = 4;
  static constexpr int kDensityRadius = 16;

  // Where stops pay: an eased span between stops is flat at both ends, so its
  // error grows with the square of the colour's slope and the span's length,
  // weighted by the pixels there; spans whose length goes as the cube root of
  // slope squared times pixels share the error evenly. Cumulative over the
  // entries, both measured on a map averaged widely enough to ignore noise.
  void MeasureDensity(const LuminanceHistogram& histogram) {
    const std::vector<ToneColor> smooth = AveragedToneMap(histogram, kDensityRadius);
    std::vector<double> perIndex(kLuminanceLevels, 0.0);
    double sum = 0.0;
    uint64_t window = 0;
    for (int index = 0; index < kLuminanceLevels + kDensityRadius; ++index) {
      if (index < kLuminanceLevels) window += histogram.count[static_cast<size_t>(index)];
      if (index - 2 * kDensityRadius - 1 >= 0) {
        window -= histogram.count[static_cast<size_t>(index - 2 * kDensityRadius - 1)];
      }
      const int at = index - kDensityRadius;
      if (at < 0) continue;
      const ToneColor& before = smooth[static_cast<size_t>(std::max(at - 1, 0))];
      const ToneColor& after = smooth[static_cast<size_t>(std::min(at + 1, kLuminanceLevels - 1))];
      double slope2 = 0.0;
      for (int c = 0; c < 3; ++c) slope2 += (after[c] - before[c]) * (after[c] - before[c]) / 4.0;
      perIndex[static_cast<size_t>(at)] = std::cbrt(static_cast<double>(window) * slope2);
      sum += perIndex[static_cast<size_t>(at)];
    }
    // Flat stretches still get a few stops.
    const double floor = 0.05 * sum / kLuminanceLevels;
    density_.clear();
    double cumulative = 0.0;
    int previous = entries_.empty() ? 0 : entries_.front().index;
    for (const Entry& entry : entries_) {
      for (int index = previous + 1; index <= entry.index; ++index) {
        cumulative += perIndex[static_cast<size_t>(index)] + floor;
      }
      previous = entry.index;
      density_.push_back(cumulative);
    }
  }

  static constexpr int kMoveSweeps = 4;

  void Move(size_t knot, size_t at) {
    knots_[knot] = at;
    UpdateWeights(knot - 1);
    UpdateWeights(knot);
  }

  // A stop at entry `at`, which has none; returns the span it split.
  size_t Insert(size_t at) {
    const size_t span = static_cast<size_t>(std::upper_bound(knots_.begin(), knots_.end(), at) -
                                            knots_.begin() - 1);
    knots_.insert(knots_.begin() + static_cast<std::ptrdiff_t>(span) + 1, at);
    UpdateWeights(span);
    UpdateWeights(span + 1);
    return span;
  }

  void Remove(size_t knot) {
    knots_.erase(knots_.begin() + static_cast<std::ptrdiff_t>(knot));
    UpdateWeights(knot - 1);
  }

  // Under the unrounded colours, over all entries.
  double TotalError() const {
    double error = 0.0;
    for (size_t j = 0; j + 1 < knots_.size(); ++j) {
      for (size_t i = knots_[j]; i < knots_[j + 1]; ++i) error += EntryError(i, j);
    }
    return error + EntryError(knots_.back(), knots_.size() - 1);
  }

  // The curve weights of the entries strictly inside span j.
  void UpdateWeights(size_t span) {
    if (span + 1 >= knots_.size()) return;
    const float left = entries_[knots_[span]].position;
    const float right = entries_[knots_[span + 1]].position;
    for (size_t i = knots_[span] + 1; i < knots_[span + 1]; ++i) {
      entries_[i].weight =
          CurveWeight(Fraction(entries_[i].position, left, right), kEditorCurveExponent);
    }
  }

  // The normal equations are tridiagonal: an entry ties only the two stops
  // around it. Every stop stands on an entry with pixels, so the system is
  // positive definite.
  void Solve() {
    const size_t m = knots_.size();
    std::vector<double> diagonal(m, 0.0), upper(m, 0.0);
    std::vector<ToneColor> rhs(m, ToneColor{});
    for (size_t j = 0; j < m; ++j) {
      const Entry& stop = entries_[knots_[j]];
      diagonal[j] += stop.count;
      for (int c = 0; c < 3; ++c) rhs[j][c] += stop.sum[c];
      if (j + 1 == m) break;
      for (size_t i = knots_[j] + 1; i < knots_[j + 1]; ++i) {
        const Entry& e = entries_[i];
        const double a = 1.0 - e.weight;
        const double b = e.weight;
        diagonal[j] += e.count * a * a;
        upper[j] += e.count * a * b;
        diagonal[j + 1] += e.count * b * b;
        for (int c = 0; c < 3; ++c) {
          rhs[j][c] += a * e.sum[c];
          rhs[j + 1][c] += b * e.sum[c];
        }
      }
    }
    for (size_t j = 1; j < m; ++j) {
      const double f = upper[j - 1] / diagonal[j - 1];
      diagonal[j] -= f * upper[j - 1];
      for (int c = 0; c < 3; ++c) rhs[j][c] -= f * rhs[j - 1][c];
    }
    colors_.assign(m, ToneColor{});
    for (size_t j = m; j-- > 0;) {
      for (int c = 0; c < 3; ++c) {
        const double next = j + 1 < m ? upper[j] * colors_[j + 1][c] : 0.0;
        colors_[j][c] = (rhs[j][c] - next) / diagonal[j];
      }
    }
  }

  // Weighted squared error of entry i, in span j, under the unrounded colours.
  double EntryError(size_t i, size_t span) const {
    const Entry& e = entries_[i];
    const bool atStop = i == knots_[span];
    double error = 0.0;
    for (int c = 0; c < 3; ++c) {
      const double v =
          atStop ? colors_[span][c]
                 : colors_[span][c] + e.weight * (colors_[span + 1][c] - colors_[span][c]);
      error += (v - e.mean[c]) * (v - e.mean[c]);
    }
    return e.count * error;
  }

  // Weighted squared error in one channel of the entries that stop j's level
  // reaches, blended and rounded as the evaluator does.
  double RoundedError(size_t j, int c) const {
    const size_t first = j > 0 ? knots_[j - 1] + 1 : knots_[j];
    const size_t end = j + 1 < knots_.size() ? knots_[j + 1] : knots_[j] + 1;
    double error = 0.0;
    size_t span = j > 0 ? j - 1 : j;
    for (size_t i = first; i < end; ++i) {
      if (i == knots_[j]) span = j;
      const Entry& e = entries_[i];
      const double v = i == knots_[span]
                           ? levels_[span][c]
                           : InterpolateComponent(levels_[span][c], levels_[span + 1][c], e.weight);
      error += e.count * (v - e.mean[c]) * (v - e.mean[c]);
    }
    return error;
  }

  // Rounding each stop to the nearest level is not always best once blends
  // round too: a level either side of a stop sometimes serves its entries better.
  void Nudge() {
    for (int sweep = 0; sweep < 2; ++sweep) {
      bool changed = false;
      for (size_t j = 0; j < knots_.size(); ++j) {
        for (int c = 0; c < 3; ++c) {
          uint8_t& level = levels_[j][c];
          double best = RoundedError(j, c);
          for (int step : {-1, 1}) {
            const int tried = level + step;
            if (tried < 0 || tried > 255) continue;
            const uint8_t kept = level;
            level = static_cast<uint8_t>(tried);
            const double error = RoundedError(j, c);
            if (error < best) {
              best = error;
              changed = true;
            } else {
              level = kept;
            }
          }
        }
      }
      if (!changed) break;
    }
  }

  std::vector<Entry> entries_;
  std::vector<size_t> knots_;  // entries with a stop, ascending
  std::vector<ToneColor> colors_;
  std::vector<std::array<uint8_t, 3>> levels_;
  std::vector<double> density_;  // cumulative, at each entry
};

ToneMapResult ToneMapFailure(std::string error) {
  ToneMapResult result;
  result.error = std::move(error);
  return result;
}

double TableRmsError(const LuminanceHistogram& histogram, const GradationData& gradation) {
  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(gradation, kEditorCurveExponent, 1.0f, 0.0f, table);
  return RecolorRmsError(histogram, table);
}

ToneMapResult ExtractOrThrow(const uint32_t* pixels, size_t count, int maxStops) {
  if (maxStops < kToneMapMinStops || maxStops > kToneMapMaxStops) {
    return ToneMapFailure("the number of stops must be " + std::to_string(kToneMapMinStops) +
                          " to " + std::to_string(kToneMapMaxStops));
  }
  const LuminanceHistogram histogram = HistogramOf(pixels, count);
  if (histogram.pixels == 0) {
    return ToneMapFailure("the picture has no pixel that is not fully transparent");
  }
  ToneMapResult result;
  ToneMapReport& report = result.report;
  {
    const std::vector<ToneColor> bar = AveragedToneMap(histogram, kToneMapBarRadius);
    uint32_t table[kLuminanceLevels];
    for (size_t index = 0; index < kLuminanceLevels; ++index)
      table[index] = PackedLevels(bar[index]);
    report.barRms = RecolorRmsError(histogram, table);
  }

  // Two ways to place a given number of stops, each better on some pictures:
  // spread by the density, and grown one stop at a time.
  StopFitter spread(histogram);
  StopFitter grown(histogram);
  std::vector<size_t> bestLayout;
  report.rms = INFINITY;
  const auto measure = [&](StopFitter& fitter) {
    fitter.Fit();
    GradationData gradation = fitter.Gradation();
    const double rms = TableRmsError(histogram, gradation);
    if (rms < report.rms) {
      report.rms = rms;
      result.gradation = std::move(gradation);
      bestLayout = fitter.Layout();
    }
    return report.rms <= report.barRms + kToneMapAllowedExcess;
  };
  const size_t cap = static_cast<size_t>(maxStops);
  bool met = false;
  for (size_t stops = kToneMapMinStops; stops <= cap && !met; ++stops) {
    spread.SetLayout(spread.DensityLayout(stops));
    met = measure(spread) || measure(grown);
    if (!met && grown.StopCount() < cap) grown.AddStop();
  }
  // As many stops as allowed, and still short of the bar: better places for
  // the best of them.
  if (!met) {
    grown.SetLayout(bestLayout);
    if (grown.MoveStops()) measure(grown);
  }
  report.excess = report.rms - report.barRms;
  report.colorStops = result.gradation.colorStops.size();
  return result;
}

}  // namespace

ToneMapResult ExtractToneMap(const uint32_t* pixels, size_t count, int maxStops) {
  try {
    return ExtractOrThrow(pixels, count, maxStops);
  } catch (const std::bad_alloc&) {
    return ToneMapFailure("not enough memory to make the gradient map");
  }
}
