// The canvas's geometry, in client coordinates of the filter window, said
// once. W is the client width. Rows grow downwards.
#pragma once

#include <cstdint>
#include <optional>

#include "model/stops.h"

// The canvas: rows 78 to 133 across the whole width; it is painted in one
// block and invalidated as one rectangle.
constexpr int32_t kCanvasTop = 78;
constexpr int32_t kCanvasBottom = 134;  // exclusive
constexpr int32_t kCanvasRows = kCanvasBottom - kCanvasTop;

// The bar: a black outline from column 8 to column W - 9, rows 90 to 121.
constexpr int32_t kBarLeft = 8;
constexpr int32_t kBarRightInset = 9;  // the outline's last column is W - 9
constexpr int32_t kBarTop = 90;
constexpr int32_t kBarBottom = 122;  // exclusive
// Inside it the gradation: W - 18 columns from column 9 (the outline and the
// eight columns left of it, on each side), 30 rows from row 91.
constexpr int32_t kInteriorLeft = 9;
constexpr int32_t kInteriorInset = 18;
constexpr int32_t kInteriorTop = 91;
constexpr int32_t kInteriorRows = 30;

// A stop at position p stands at column 9 + trunc((W - 19) p / 100): one
// column less than the bar's span, so that a stop at 100 stands on the last
// gradation column, W - 10, not on the outline. Clicks are read back on the
// bar's own scale, (x - 9) / (W - 18).
constexpr int32_t kMarkerSpanInset = 19;

// The marker pictures: 12 rows by 9 columns centred on the stop's column;
// colour markers above the bar, transparency markers below it.
constexpr int32_t kColorMarkerTop = 78;
constexpr int32_t kAlphaMarkerTop = 122;
constexpr int32_t kMarkerRows = 12;
constexpr int32_t kMarkerColumns = 9;

// Rows where a press selects or adds a stop of each track, both ends included:
// the markers' own rows.
constexpr int32_t kColorTrackTop = kColorMarkerTop;
constexpr int32_t kColorTrackBottom = kColorMarkerTop + kMarkerRows - 1;  // 89
constexpr int32_t kAlphaTrackTop = kAlphaMarkerTop;
constexpr int32_t kAlphaTrackBottom = kAlphaMarkerTop + kMarkerRows - 1;  // 133
// While dragged, a stop stays on its track within these rows (both included);
// dragged beyond them it leaves the track and is removed on release.
constexpr int32_t kColorBandTop = 70;
constexpr int32_t kColorBandBottom = 97;
constexpr int32_t kAlphaBandTop = 114;
constexpr int32_t kAlphaBandBottom = 141;
// A marker is hit this many columns either side of its centre.
constexpr int32_t kMarkerReach = 5;

// The rows above by track, for code that serves either.
struct TrackRows {
  int32_t top;
  int32_t bottom;
  int32_t bandTop;
  int32_t bandBottom;
};
inline constexpr PerTrack<TrackRows> kTrackRows = {{{
    {kColorTrackTop, kColorTrackBottom, kColorBandTop, kColorBandBottom},
    {kAlphaTrackTop, kAlphaTrackBottom, kAlphaBandTop, kAlphaBandBottom},
}}};

inline bool InRows(int32_t y, int32_t top, int32_t bottom) { return y >= top && y <= bottom; }

// The track whose marker rows hold row y; none elsewhere, the bar included.
inline std::optional<StopTrack> TrackAtRow(int32_t y) {
  for (StopTrack track : kStopTracks) {
    if (InRows(y, kTrackRows[track].top, kTrackRows[track].bottom)) return track;
  }
  return std::nullopt;
}
