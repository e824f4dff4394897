// The stop choice both directions of the fitting share: a track's points in
// order, split into pieces at hard edges, and within each piece as few stops
// as a greedy walk finds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "interchange/fit_tolerance.h"
#include "model/evaluate.h"
#include "model/evaluate_steps.h"

// Which of `count` points in order become stops: the first and the last
// always, and in between each span reaching as far as `fits(from, to)`
// allows; fits(from, to) says whether the points strictly between follow the
// span from point `from` to point `to`, and adjacent points always fit. The
// reach is found by doubling and then halving back; fits are not monotone in
// the span's end, so this finds a long span, not always the longest.
template <typename Fits>
std::vector<size_t> GreedyStops(size_t count, Fits&& fits) {
  std::vector<size_t> stops;
  if (count == 0) return stops;
  stops.push_back(0);
  const size_t last = count - 1;
  size_t from = 0;
  while (from < last) {
    size_t good = from + 1;
    size_t bad = count;  // the nearest end known not to fit, or none
    for (size_t reach = 2; good < last; reach *= 2) {
      const size_t end = std::min(from + reach, last);
      if (!fits(from, end)) {
        bad = end;
        break;
      }
      good = end;
    }
    while (bad != count && bad - good > 1) {
      const size_t middle = good + (bad - good) / 2;
      if (fits(from, middle)) {
        good = middle;
      } else {
        bad = middle;
      }
    }
    stops.push_back(good);
    from = good;
  }
  return stops;
}

// Moves the stops GreedyStops chooses among `piece` (fits(piece, from, to)
// as there) to the end of `chosen`, and empties the piece.
template <typename Point, typename Fits>
void MoveGreedyStops(std::vector<Point>& piece, Fits& fits, std::vector<Point>& chosen) {
  for (size_t index :
       GreedyStops(piece.size(), [&](size_t from, size_t to) { return fits(piece, from, to); })) {
    chosen.push_back(piece[index]);
  }
  piece.clear();
}

// One track fitted across the whole sample range. The track splits at
// `splitCount` hard edges (ascending editor positions splitX(j), strictly
// inside 0..100): a piece ends at each with the value just left of it,
// leftPoint(j), and the next starts with the value at it, rightPoint(j).
// Between them stand the samples, samplePoint(i), except those beside one of
// the source's hard edges, which are not compared. The first and last
// samples always stand, as the track's ends. Returns the chosen points in
// order; `fits(points, from, to)` judges a span within one piece.
template <typename Point, typename SplitX, typename LeftPoint, typename RightPoint,
          typename SamplePoint, typename Fits>
std::vector<Point> FitTrackPieces(size_t splitCount, SplitX&& splitX, LeftPoint&& leftPoint,
                                  RightPoint&& rightPoint, SamplePoint&& samplePoint,
                                  const std::vector<double>& sourceEdges, Fits&& fits) {
  std::vector<Point> chosen;
  std::vector<Point> piece;
  const auto closePiece = [&] { MoveGreedyStops(piece, fits, chosen); };
  size_t split = 0;
  piece.push_back(samplePoint(0));
  for (int i = 1; i < kFitSampleCount; ++i) {
    const float x = FitEditorPosition(i);
    for (; split < splitCount && splitX(split) <= x; ++split) {
      piece.push_back(leftPoint(split));
      closePiece();
      piece.push_back(rightPoint(split));
    }
    if (i == kFitSampleCount - 1 || !NearHardEdge(x, sourceEdges)) piece.push_back(samplePoint(i));
  }
  closePiece();
  return chosen;
}

// An opacity stop a fit may choose, with the source's alpha it stands for.
struct OpacityPoint {
  AlphaStop stop;
  double alpha = 0.0;
};

// Whether the points strictly between `from` and `to` keep within the
// tolerance of the editor's eased span between those two points' stops.
inline bool OpacitySpanFits(const std::vector<OpacityPoint>& points, size_t from, size_t to) {
  const AlphaStop& left = points[from].stop;
  const AlphaStop& right = points[to].stop;
  for (size_t k = from + 1; k < to; ++k) {
    const float t =
        evaluate_steps::Fraction(points[k].stop.position, left.position, right.position);
    const float opacity = evaluate_steps::CurvedOpacity(
        left, right, evaluate_steps::CurveWeight(t, kEditorCurveExponent));
    if (!OpacityWithinTolerance(opacity, points[k].alpha)) return false;
  }
  return true;
}
