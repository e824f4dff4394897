// velumbra extract: a gradient made from a picture. By default the
// luminance-mode map that recolours the picture most like itself, with the
// numbers that say how close it came; with --row the middle row of a picture
// of a gradient.
#include <cstdio>
#include <string>
#include <utility>

#include "cli_status.h"
#include "commands.h"
#include "interchange/gradient_files.h"
#include "interchange/gradient_strip.h"
#include "interchange/picture_file.h"
#include "interchange/tone_map.h"

namespace {

// The picture's file name without folder and extension: the name the formats
// that keep one get.
std::string StemOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = file.find_last_of('.');
  return dot == 0 || dot == std::string::npos ? file : file.substr(0, dot);
}

}  // namespace

int RunExtract(const ExtractOptions& options) {
  const PictureResult read = ReadPictureFile(options.input.c_str());
  if (!read.ok()) {
    ReportProblem(options.input, read.error);
    return kExitBadInput;
  }
  const Picture& picture = read.picture;
  GradationData gradation;
  std::string summary;
  if (options.row) {
    StripResult strip = FitGradientStrip(picture.pixels.data(), picture.width, picture.height);
    if (!strip.ok()) {
      ReportProblem(options.input, strip.error);
      return kExitBadInput;
    }
    gradation = std::move(strip.fitted.gradation);
    summary = std::to_string(strip.fitted.report.colorStopCount) + " colour and " +
              std::to_string(strip.fitted.report.opacityStopCount) +
              " opacity stops from the middle row";
  } else {
    ToneMapResult map =
        ExtractToneMap(picture.pixels.data(), picture.pixels.size(), options.maxStops);
    if (!map.ok()) {
      ReportProblem(options.input, map.error);
      return kExitBadInput;
    }
    gradation = std::move(map.gradation);
    const ToneMapReport& report = map.report;
    char numbers[160];
    std::snprintf(numbers, sizeof numbers,
                  "%zu colour stops; RMS error %.3f levels, the bar's %.3f, excess %.3f",
                  report.colorStops, report.rms, report.barRms, report.excess);
    summary = numbers;
  }
  if (!SaveGradientFile(options.output.c_str(), gradation, options.format, StemOf(options.input))) {
    ReportProblem(options.output, std::string("cannot write the ") +
                                      GradientFormatName(options.format) +
                                      " file (is the folder there and writable?)");
    return kExitBadInput;
  }
  std::printf("%s: %s\n", options.output.c_str(), summary.c_str());
  return kExitDone;
}
