// Any bytes, any length: the 8BGR reader either fails with a message naming
// the format and loads nothing, or loads gradients whose colours stay within
// 0..1 everywhere and whose hard edges are ascending positions in 0..1; the
// same bytes read the same again. The format detection looks at the same
// bytes and agrees.
#include <string_view>

#include "interchange/format_detection.h"
#include "interchange/grd8_format.h"
#include "source_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ReadResult result = ReadGrd8Gradients(bytes);
  CheckReadResult(result, GradientFormatName(GradientFormat::Grd8));
  CheckSameRead(result, ReadGrd8Gradients(bytes));
  if (result.ok()) FUZZ_CHECK(DetectGradientFormat(bytes) == GradientFormat::Grd8);
  return 0;
}
