#include "interchange/linear_export.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "interchange/fit_tolerance.h"
#include "interchange/greedy_stops.h"
#include "model/evaluate.h"

namespace {

// The editor's value at one position, and the stop that carries it.
struct Point {
  LinearStop stop;
  EightBitColor color;
  float opacity = 0.0f;
  SampleAllowance allowance;
};

Point PointAt(const GradationData& gradation, float x, double position) {
  Point point;
  const uint32_t word = EvaluateColor(gradation, x, kEditorCurveExponent);
  point.color = EightBitOfWord(word);
  // Formats hold opacity within 0..100 % only.
  const float opacity = EvaluateOpacity(gradation, x, kEditorCurveExponent);
  point.opacity = opacity > 0.0f ? std::min(opacity, 100.0f) : 0.0f;
  point.stop.position = position;
  point.stop.color = SourceColor{point.color.channel[0] / 255.0, point.color.channel[1] / 255.0,
                                 point.color.channel[2] / 255.0, point.opacity / 100.0};
  return point;
}

bool SameValue(const Point& a, const Point& b) {
  return std::equal(a.color.channel, a.color.channel + 3, b.color.channel) &&
         a.opacity == b.opacity;
}

// Positions where two active stops of one track meet, strictly inside the range.
template <typename Stop>
void AddMeetings(const std::vector<Stop>& stops, std::vector<float>& meetings) {
  const Stop* previous = nullptr;
  for (const Stop& stop : stops) {
    if (!stop.active) continue;
    if (previous != nullptr && previous->position == stop.position && stop.position > 0.0f &&
        stop.position < 100.0f) {
      meetings.push_back(stop.position);
    }
    previous = &stop;
  }
}

struct Jump {
  float x = 0.0f;
  Point left, right;
};

std::vector<Jump> JumpsOf(const GradationData& gradation) {
  std::vector<float> meetings;
  AddMeetings(gradation.colorStops, meetings);
  AddMeetings(gradation.alphaStops, meetings);
  std::sort(meetings.begin(), meetings.end());
  meetings.erase(std::unique(meetings.begin(), meetings.end()), meetings.end());
  std::vector<Jump> jumps;
  for (float x : meetings) {
    const double position = x / 100.0;
    Jump jump{x, PointAt(gradation, std::nextafter(x, -1.0f), position),
              PointAt(gradation, x, position)};
    if (!SameValue(jump.left, jump.right)) jumps.push_back(jump);
  }
  return jumps;
}

// Allowances hold less a margin: the format stores the stops as text and paints in its own
// arithmetic, which must not tip a value lying on the border over it.
constexpr double kFormatMargin = 1e-3;

// The opacities, in percent, that a format may paint for the editor's
// `opacity`. An import takes whole percents within a point of what the file
// paints; where `exact`, none of those may lie farther than a point from the
// editor's value, which for a whole percent is the fit tolerance itself.
bool OpacityAllowed(double opacity, double painted, bool exact) {
  if (std::fabs(opacity - painted) > kFitOpacityTolerance - kFormatMargin) return false;
  if (!exact) return true;
  const double lowest = std::ceil(opacity - kFitOpacityTolerance);
  const double highest = std::floor(opacity + kFitOpacityTolerance);
  return painted > lowest + kFormatMargin && painted < highest - kFormatMargin;
}

bool PaintedWithinTolerance(const Point& point, const SourceColor& painted) {
  const double paintedOpacity = painted.alpha * 100.0;
  const SampleAllowance& allowance = point.allowance;
  if (!OpacityAllowed(point.opacity, paintedOpacity, allowance.exactOpacity)) return false;
  // Colour counts where either side shows it, and what the editor shows the
  // format must not hide.
  const double visible = kFitCheckedAlpha * 100.0;
  const bool editorShows = point.opacity > visible;
  if (editorShows && !(paintedOpacity > visible + kFormatMargin)) return false;
  if (!editorShows && !(painted.alpha > kFitCheckedAlpha)) return true;
  const double channels[3] = {painted.red, painted.green, painted.blue};
  for (int c = 0; c < 3; ++c) {
    const double offset = std::clamp(channels[c], 0.0, 1.0) * 255.0 - point.color.channel[c];
    if (offset > allowance.above[c] - kFormatMargin) return false;
    if (-offset > allowance.below[c] - kFormatMargin) return false;
  }
  return true;
}

}  // namespace

SourceColor BlendLinearStops(const LinearStop& a, const LinearStop& b, double position,
                             StopBlend blend) {
  const double t = (position - a.position) / (b.position - a.position);
  const SourceColor& p = a.color;
  const SourceColor& q = b.color;
  const double alpha = p.alpha + (q.alpha - p.alpha) * t;
  if (blend == StopBlend::Premultiplied && alpha > 0.0) {
    const auto channel = [&](double x, double y) {
      return (x * p.alpha + (y * q.alpha - x * p.alpha) * t) / alpha;
    };
    return SourceColor{channel(p.red, q.red), channel(p.green, q.green), channel(p.blue, q.blue),
                       alpha};
  }
  // Straight, and also where premultiplied colour vanishes with the opacity.
  return SourceColor{p.red + (q.red - p.red) * t, p.green + (q.green - p.green) * t,
                     p.blue + (q.blue - p.blue) * t, alpha};
}

std::vector<LinearStop> LinearStopsFor(const GradationData& gradation, StopBlend blend,
                                       const std::vector<SampleAllowance>& allowances) {
  const std::vector<Jump> jumps = JumpsOf(gradation);
  std::vector<double> sourceEdges;
  for (const Jump& jump : jumps) sourceEdges.push_back(jump.left.stop.position);

  const auto fits = [blend](const std::vector<Point>& points, size_t from, size_t to) {
    const LinearStop& a = points[from].stop;
    const LinearStop& b = points[to].stop;
    for (size_t k = from + 1; k < to; ++k) {
      if (!PaintedWithinTolerance(points[k],
                                  BlendLinearStops(a, b, points[k].stop.position, blend))) {
        return false;
      }
    }
    return true;
  };
  const std::vector<Point> points = FitTrackPieces<Point>(
      jumps.size(), [&](size_t j) { return jumps[j].x; }, [&](size_t j) { return jumps[j].left; },
      [&](size_t j) { return jumps[j].right; },
      [&](int i) {
        Point point = PointAt(gradation, FitEditorPosition(i), FitSourcePosition(i));
        if (static_cast<size_t>(i) < allowances.size())
          point.allowance = allowances[static_cast<size_t>(i)];
        return point;
      },
      sourceEdges, fits);

  std::vector<LinearStop> stops;
  stops.reserve(points.size());
  for (const Point& point : points) stops.push_back(point.stop);
  return stops;
}

SourceGradient GradationAsSource(const GradationData& gradation) {
  SourceGradient source;
  for (const Jump& jump : JumpsOf(gradation)) source.hardEdges.push_back(jump.left.stop.position);
  source.colorAt = [gradation](double position) {
    return PointAt(gradation, static_cast<float>(position * 100.0), position).stop.color;
  };
  return source;
}

SourceGradient FromLinearStops(std::vector<LinearStop> stops, StopBlend blend, std::string name) {
  stops.erase(std::remove_if(stops.begin(), stops.end(),
                             [](const LinearStop& stop) { return std::isnan(stop.position); }),
              stops.end());
  const auto byPosition = [](const LinearStop& a, const LinearStop& b) {
    return a.position < b.position;
  };
  std::stable_sort(stops.begin(), stops.end(), byPosition);

  SourceGradient source;
  source.name = std::move(name);
  for (size_t i = 1; i < stops.size(); ++i) {
    const double position = stops[i].position;
    if (position == stops[i - 1].position && position > 0.0 && position < 1.0 &&
        (source.hardEdges.empty() || source.hardEdges.back() != position)) {
      source.hardEdges.push_back(position);
    }
  }
  source.colorAt = [stops = std::move(stops), blend](double position) {
    if (stops.empty()) return SourceColor{};
    const auto beyond =
        std::upper_bound(stops.begin(), stops.end(), position,
                         [](double x, const LinearStop& stop) { return x < stop.position; });
    if (beyond == stops.begin()) return stops.front().color;
    if (beyond == stops.end()) return stops.back().color;
    return BlendLinearStops(*(beyond - 1), *beyond, position, blend);
  };
  return source;
}
