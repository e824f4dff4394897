// tone_map_survey [--stops N] PICTURE...: the gradient map of each picture,
// as a Markdown table row: size, stops used, RMS error of the result and of
// the bar, their difference, and the time to decode and to extract. For
// measuring the extraction on real photographs; not a test.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "interchange/picture_file.h"
#include "interchange/tone_map.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  int stops = kToneMapMaxStops;
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--stops") == 0) {
    stops = std::atoi(argv[2]);
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: tone_map_survey [--stops N] PICTURE...\n");
    return 2;
  }
  std::printf("| picture | size | stops | RMS | bar RMS | excess | decode ms | extract ms |\n");
  std::printf("|---|---|---:|---:|---:|---:|---:|---:|\n");
  int status = 0;
  for (int i = first; i < argc; ++i) {
    auto start = std::chrono::steady_clock::now();
    const PictureResult read = ReadPictureFile(argv[i]);
    const double decode = MillisecondsSince(start);
    if (!read.ok()) {
      std::fprintf(stderr, "%s: %s\n", argv[i], read.error.c_str());
      status = 1;
      continue;
    }
    const Picture& picture = read.picture;
    start = std::chrono::steady_clock::now();
    const ToneMapResult map = ExtractToneMap(picture.pixels.data(), picture.pixels.size(), stops);
    const double extract = MillisecondsSince(start);
    if (!map.ok()) {
      std::fprintf(stderr, "%s: %s\n", argv[i], map.error.c_str());
      status = 1;
      continue;
    }
    const ToneMapReport& report = map.report;
    std::printf("| %s | %d x %d | %zu | %.3f | %.3f | %.3f | %.1f | %.1f |\n", argv[i],
                picture.width, picture.height, report.colorStops, report.rms, report.barRms,
                report.excess, decode, extract);
  }
  return status;
}
