// velumbra map: an image recoloured by luminance, pixel for pixel what the
// script function ColorReMap_Luminance gives for the same words.
#include <string>

#include "cli_status.h"
#include "commands.h"
#include "gradient_choice.h"
#include "image/image_passes.h"
#include "png_image.h"

int RunMap(const MapOptions& options) {
  ImportedGradient gradient;
  const int status = LoadChosenGradient(options.gradientFile, options.choice, gradient);
  if (status != kExitDone) return status;

  WordImage image;
  std::string error;
  if (!ReadPngImage(options.input, image, error)) {
    ReportProblem(options.input, error);
    return kExitBadInput;
  }
  RecolorByLuminance(gradient.gradation, options.exponent, options.scale,
                     static_cast<float>(options.offset), image.pixels.data(), image.pixels.size());
  if (!WritePngImage(options.output, image, true)) {
    ReportProblem(options.output, "cannot write the PNG image (is the folder there and writable?)");
    return kExitBadInput;
  }
  return kExitDone;
}
