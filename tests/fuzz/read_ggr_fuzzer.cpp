// Any bytes, any length: the GIMP gradient reader either fails with a message
// naming the format, or loads exactly one gradient whose colours stay within
// 0..1 and whose hard edges are ascending positions in 0..1; the same bytes
// read the same again, and the format detection agrees with a success.
#include <string_view>

#include "interchange/format_detection.h"
#include "interchange/ggr_format.h"
#include "source_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ReadResult result = ReadGgr(bytes);
  CheckReadResult(result, GradientFormatName(GradientFormat::Ggr));
  CheckSameRead(result, ReadGgr(bytes));
  if (result.ok()) {
    FUZZ_CHECK(result.gradients.size() == 1);
    FUZZ_CHECK(DetectGradientFormat(bytes) == GradientFormat::Ggr);
  }
  return 0;
}
