// What the readers of other programs' gradient files hold every result to:
// all or nothing, names in UTF-8, colours within 0..1 wherever they are
// asked, hard edges ascending within 0..1, errors that name the format, and
// the same result for the same bytes.
#pragma once

#include <cmath>
#include <string_view>

#include "fuzz_checks.h"
#include "interchange/source_gradient.h"
#include "interchange/utf8_text.h"

// NaN is outside too. The slack absorbs a blend's last rounding.
inline bool InUnitRange(double value) { return value >= -1e-9 && value <= 1.0 + 1e-9; }

inline void CheckSourceColor(const SourceColor& color) {
  FUZZ_CHECK(InUnitRange(color.red) && InUnitRange(color.green) && InUnitRange(color.blue) &&
             InUnitRange(color.alpha));
}

// The ends, inside, and outside the range, which every reader clamps.
constexpr double kProbePositions[] = {-0.5, 0.0, 0.001, 0.37, 0.5, 0.999, 1.0, 2.0};

// `format` as the reader's errors start: the name in its row of kGradientFormats.
inline void CheckReadResult(const ReadResult& result, std::string_view format) {
  if (!result.ok()) {
    FUZZ_CHECK(result.gradients.empty());
    FUZZ_CHECK(result.error.size() > format.size() + 2);
    FUZZ_CHECK(result.error.compare(0, format.size(), format) == 0);
    FUZZ_CHECK(result.error.compare(format.size(), 2, ": ") == 0);
    return;
  }
  FUZZ_CHECK(!result.gradients.empty());
  for (const SourceGradient& gradient : result.gradients) {
    FUZZ_CHECK(IsValidUtf8(gradient.name));
    FUZZ_CHECK(static_cast<bool>(gradient.colorAt));
    for (size_t i = 0; i < gradient.hardEdges.size(); ++i) {
      const double edge = gradient.hardEdges[i];
      FUZZ_CHECK(edge >= 0.0 && edge <= 1.0);
      FUZZ_CHECK(i == 0 || gradient.hardEdges[i - 1] < edge);
      CheckSourceColor(gradient.colorAt(edge));
      CheckSourceColor(gradient.colorAt(std::nextafter(edge, -1.0)));
    }
    for (const double position : kProbePositions) CheckSourceColor(gradient.colorAt(position));
  }
}

inline bool SameColor(const SourceColor& a, const SourceColor& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

// Both reads of the same bytes: alike in everything the import uses.
inline void CheckSameRead(const ReadResult& a, const ReadResult& b) {
  FUZZ_CHECK(a.error == b.error);
  FUZZ_CHECK(a.gradients.size() == b.gradients.size());
  for (size_t i = 0; i < a.gradients.size(); ++i) {
    const SourceGradient& x = a.gradients[i];
    const SourceGradient& y = b.gradients[i];
    FUZZ_CHECK(x.name == y.name && x.notes == y.notes && x.hardEdges == y.hardEdges);
    for (const double position : kProbePositions) {
      FUZZ_CHECK(SameColor(x.colorAt(position), y.colorAt(position)));
    }
  }
}
