// Any bytes, any length: the SVG gradient reader either fails with a message
// naming the format, or loads gradients whose colours stay within 0..1 and
// whose hard edges are ascending positions in 0..1; the same bytes read the
// same again.
#include <string_view>

#include "interchange/format_detection.h"
#include "interchange/svg_format.h"
#include "source_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ReadResult result = ReadSvgGradients(bytes);
  CheckReadResult(result, GradientFormatName(GradientFormat::Svg));
  CheckSameRead(result, ReadSvgGradients(bytes));
  return 0;
}
