// Any bytes, any length: the CSS gradient reader either fails with a message
// naming the format, or loads gradients whose colours stay within 0..1 and
// whose hard edges are ascending positions in 0..1; the same bytes read the
// same again, and the format detection takes a success for a
// gradient file (CSS, or a format it tries first).
#include <string_view>

#include "interchange/css_format.h"
#include "interchange/format_detection.h"
#include "source_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ReadResult result = ReadCssGradients(bytes);
  CheckReadResult(result, GradientFormatName(GradientFormat::Css));
  CheckSameRead(result, ReadCssGradients(bytes));
  if (result.ok()) FUZZ_CHECK(DetectGradientFormat(bytes) != GradientFormat::Unknown);
  return 0;
}
