// velumbra render: a gradient strip as PNG, over the editor's checkerboard.
#include <cstdint>

#include "cli_status.h"
#include "commands.h"
#include "gradient_choice.h"
#include "image/image_passes.h"
#include "png_image.h"

namespace {

// The editor canvas's checkerboard: 8-pixel squares, light at the top left.
uint32_t CheckerAt(int x, int y) { return (x / 8 + y / 8) % 2 == 1 ? 0xCCCCCCu : 0xFFFFFFu; }

// The word's colour over the background by its alpha. The image functions
// write opacity 100 as alpha 254 (opacity x 2.55, truncated), so 254 counts
// as opaque: a fully opaque gradient shows no checkerboard.
uint32_t Over(uint32_t word, uint32_t background) {
  const uint32_t alpha = word >> 24;
  if (alpha >= 254) return word & 0xFFFFFFu;
  uint32_t out = 0;
  for (int shift : {16, 8, 0}) {
    const uint32_t front = word >> shift & 0xFF, back = background >> shift & 0xFF;
    out |= (front * alpha + back * (255 - alpha) + 127) / 255 << shift;
  }
  return out;
}

}  // namespace

int RunRender(const RenderOptions& options) {
  ImportedGradient gradient;
  const int status = LoadChosenGradient(options.gradientFile, options.choice, gradient);
  if (status != kExitDone) return status;

  WordImage image;
  image.width = options.width;
  image.height = options.height;
  image.pixels.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
  PaintGradationImage(gradient.gradation, options.exponent, 0.0f, 100.0f, image.pixels.data(),
                      image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    uint32_t* row = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(image.width);
    for (int x = 0; x < image.width; ++x) row[x] = Over(row[x], CheckerAt(x, y));
  }
  if (!WritePngImage(options.output, image, false)) {
    ReportProblem(options.output, "cannot write the PNG image (is the folder there and writable?)");
    return kExitBadInput;
  }
  return kExitDone;
}
