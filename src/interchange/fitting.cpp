#include "interchange/fitting.h"

#include <algorithm>
#include <cmath>

#include "interchange/fit_tolerance.h"
#include "interchange/greedy_stops.h"
#include "model/evaluate.h"
#include "model/evaluate_steps.h"

namespace {

using evaluate_steps::CurveWeight;
using evaluate_steps::Fraction;

// A hard edge on the editor's scale, with the source's values either side.
struct Edge {
  float x = 0.0f;
  SourceColor left, right;
};

// The source's edges strictly inside the range, one per editor position.
std::vector<Edge> EdgesOf(const SourceGradient& source) {
  std::vector<double> positions;
  for (double edge : source.hardEdges) {
    if (edge > 0.0 && edge < 1.0) positions.push_back(edge);
  }
  std::sort(positions.begin(), positions.end());
  std::vector<Edge> edges;
  double previous = 0.0;
  for (double position : positions) {
    const float x = static_cast<float>(position * 100.0);
    if (!(x > 0.0f && x < 100.0f)) continue;
    // Just left of the edge, yet right of the one before.
    const double leftOf = std::max(position - 1e-9, (previous + position) / 2.0);
    if (!edges.empty() && edges.back().x == x) {
      edges.back().right = source.colorAt(position);
    } else {
      edges.push_back(Edge{x, source.colorAt(leftOf), source.colorAt(position)});
    }
    previous = position;
  }
  return edges;
}

float StopOpacity(double alpha) {
  if (!(alpha > 0.0)) return 0.0f;
  if (alpha >= 1.0) return 100.0f;
  return static_cast<float>(std::floor(alpha * 100.0 + 0.5));
}

struct ColorPoint {
  ColorStop stop;
  bool checked = false;  // opaque enough for its colour to count
};

ColorPoint MakeColorPoint(float x, const SourceColor& color) {
  ColorPoint point;
  point.stop.position = x;
  const EightBitColor value = EightBitOf(color);
  point.stop.red = value.channel[0];
  point.stop.green = value.channel[1];
  point.stop.blue = value.channel[2];
  point.checked = color.alpha > kFitCheckedAlpha;
  return point;
}

bool ColorSpanFits(const std::vector<ColorPoint>& points, size_t from, size_t to) {
  const ColorStop& left = points[from].stop;
  const ColorStop& right = points[to].stop;
  for (size_t k = from + 1; k < to; ++k) {
    if (!points[k].checked) continue;
    const float t = Fraction(points[k].stop.position, left.position, right.position);
    const uint32_t word =
        evaluate_steps::InterpolateColor(left, right, CurveWeight(t, kEditorCurveExponent));
    if (!ColorWithinTolerance(EightBitOfWord(word), EightBitOfWord(PackedFromStop(points[k].stop))))
      return false;
  }
  return true;
}

OpacityPoint MakeOpacityPoint(float x, const SourceColor& color) {
  OpacityPoint point;
  point.stop.position = x;
  point.stop.opacity = StopOpacity(color.alpha);
  point.alpha = color.alpha;
  return point;
}

// One track: split where its own value jumps, fitted piece by piece.
template <typename Point, typename MakePoint, typename Jumps, typename Fits>
std::vector<Point> FitTrack(const std::vector<SourceColor>& samples, const std::vector<Edge>& edges,
                            const std::vector<double>& sourceEdges, MakePoint makePoint,
                            Jumps jumps, Fits fits) {
  std::vector<const Edge*> splits;
  for (const Edge& edge : edges) {
    if (jumps(edge)) splits.push_back(&edge);
  }
  return FitTrackPieces<Point>(
      splits.size(), [&](size_t j) { return splits[j]->x; },
      [&](size_t j) { return makePoint(splits[j]->x, splits[j]->left); },
      [&](size_t j) { return makePoint(splits[j]->x, splits[j]->right); },
      [&](int i) { return makePoint(FitEditorPosition(i), samples[static_cast<size_t>(i)]); },
      sourceEdges, fits);
}

template <typename Stop, typename Point>
std::vector<Stop> StopsOf(const std::vector<Point>& points) {
  std::vector<Stop> stops;
  for (const Point& point : points) {
    stops.push_back(point.stop);
    stops.back().serial = static_cast<int32_t>(stops.size() - 1);
  }
  return stops;
}

}  // namespace

FittedGradation FitGradation(const SourceGradient& source) {
  std::vector<SourceColor> samples;
  samples.reserve(kFitSampleCount);
  for (int i = 0; i < kFitSampleCount; ++i) samples.push_back(source.colorAt(FitSourcePosition(i)));
  const std::vector<Edge> edges = EdgesOf(source);

  const std::vector<ColorPoint> colors = FitTrack<ColorPoint>(
      samples, edges, source.hardEdges, MakeColorPoint,
      [](const Edge& edge) {
        return PackedFromStop(MakeColorPoint(0, edge.left).stop) !=
               PackedFromStop(MakeColorPoint(0, edge.right).stop);
      },
      ColorSpanFits);
  const std::vector<OpacityPoint> opacities = FitTrack<OpacityPoint>(
      samples, edges, source.hardEdges, MakeOpacityPoint,
      [](const Edge& edge) {
        return StopOpacity(edge.left.alpha) != StopOpacity(edge.right.alpha);
      },
      OpacitySpanFits);

  FittedGradation fitted;
  fitted.gradation.colorStops = StopsOf<ColorStop>(colors);
  fitted.gradation.alphaStops = StopsOf<AlphaStop>(opacities);
  fitted.report.colorStopCount = colors.size();
  fitted.report.opacityStopCount = opacities.size();
  fitted.report.notes = source.notes;
  return fitted;
}
