// Any bytes, any length: the 8BGR reader either fails with a message naming
// the format and loads nothing, or loads gradients whose colours stay within
// 0..1 everywhere and whose hard edges are ascending positions in 0..1. The
// format detection looks at the same bytes and agrees.
#include <cmath>
#include <string_view>

#include "fuzz_checks.h"
#include "interchange/format_detection.h"
#include "interchange/grd8_format.h"

namespace {

bool InUnitRange(double value) { return value >= -1e-9 && value <= 1.0 + 1e-9; }

void CheckColor(const SourceColor& color) {
  FUZZ_CHECK(InUnitRange(color.red) && InUnitRange(color.green) && InUnitRange(color.blue) &&
             InUnitRange(color.alpha));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const GradientFormat format = DetectGradientFormat(bytes);
  const ReadResult result = ReadGrd8Gradients(bytes);
  if (!result.ok()) {
    FUZZ_CHECK(result.gradients.empty());
    FUZZ_CHECK(result.error.rfind("8BGR gradient file: ", 0) == 0);
    return 0;
  }
  FUZZ_CHECK(format == GradientFormat::Grd8);
  FUZZ_CHECK(!result.gradients.empty());
  for (const SourceGradient& gradient : result.gradients) {
    FUZZ_CHECK(static_cast<bool>(gradient.colorAt));
    for (size_t i = 0; i < gradient.hardEdges.size(); ++i) {
      const double edge = gradient.hardEdges[i];
      FUZZ_CHECK(edge >= 0.0 && edge <= 1.0);
      FUZZ_CHECK(i == 0 || gradient.hardEdges[i - 1] < edge);
      CheckColor(gradient.colorAt(edge));
    }
    for (const double position : {-0.5, 0.0, 0.001, 0.37, 0.5, 0.999, 1.0, 2.0}) {
      CheckColor(gradient.colorAt(position));
    }
  }
  return 0;
}
