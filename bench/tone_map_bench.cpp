// Speed of making a gradient map from a 3840x2160 reference picture, against
// baselines measured in the same run on the same frame: a memcpy of it and
// ColorReMap_Luminance's pass over it. Cases: decoding it from PNG; counting
// its pixels by luminance; the whole extraction of a photo-like frame; and
// the whole extraction of a frame whose bar no 64 stops reach (256 colours
// at random), where the fitter runs to the cap and then moves its stops.
#include <benchmark/benchmark.h>
#include <stb/stb_image_write.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "image/image_passes.h"
#include "interchange/picture_file.h"
#include "interchange/tone_map.h"
#include "model/evaluate.h"
#include "support/photo_like.h"
#include "support/random_gradations.h"

namespace {

constexpr int kWidth = 3840, kHeight = 2160;
constexpr size_t kPixels = static_cast<size_t>(kWidth) * kHeight;

const std::vector<uint32_t>& PhotoFrame() {
  static const std::vector<uint32_t> frame = PhotoLikePixels(kWidth, kHeight, 1);
  return frame;
}

const std::vector<uint32_t>& RandomColorFrame() {
  static const std::vector<uint32_t> frame = [] {
    TestRandom random(2);
    std::vector<uint32_t> palette(256);
    for (uint32_t& word : palette) word = 0xFF000000u | static_cast<uint32_t>(random.Next());
    std::vector<uint32_t> pixels(kPixels);
    for (uint32_t& word : pixels) word = palette[random.Below(256)];
    return pixels;
  }();
  return frame;
}

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<size_t>(size));
}

const std::string& PhotoPng() {
  static const std::string png = [] {
    std::vector<uint8_t> rgb;
    rgb.reserve(kPixels * 3);
    for (uint32_t word : PhotoFrame()) {
      for (int shift : {16, 8, 0}) rgb.push_back(static_cast<uint8_t>(word >> shift));
    }
    std::string file;
    stbi_write_png_to_func(Append, &file, kWidth, kHeight, 3, rgb.data(), kWidth * 3);
    return file;
  }();
  return png;
}

void Memcpy4K(benchmark::State& state) {
  std::vector<uint32_t> target(kPixels);
  for (auto _ : state) {
    std::memcpy(target.data(), PhotoFrame().data(), kPixels * sizeof(uint32_t));
    benchmark::DoNotOptimize(target.data());
  }
}

void Recolor4K(benchmark::State& state) {
  GradationData gradation;
  AddColorStop(gradation, 0.0f, Rgb{0x10, 0x20, 0x40});
  AddColorStop(gradation, 100.0f, Rgb{0xF0, 0xE0, 0xC0});
  AddAlphaStop(gradation, 0.0f, 100.0f);
  std::vector<uint32_t> pixels = PhotoFrame();
  for (auto _ : state) {
    RecolorByLuminance(gradation, kEditorCurveExponent, 1.0f, 0.0f, pixels.data(), kWidth, kHeight);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void DecodePng4K(benchmark::State& state) {
  for (auto _ : state) {
    const PictureResult result = DecodePicture(PhotoPng());
    if (!result.ok()) state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(result.picture.pixels.data());
  }
}

void Histogram4K(benchmark::State& state) {
  for (auto _ : state) {
    const LuminanceHistogram histogram = HistogramOf(PhotoFrame().data(), kPixels);
    benchmark::DoNotOptimize(histogram.pixels);
  }
}

void Extract(benchmark::State& state, const std::vector<uint32_t>& frame) {
  size_t stops = 0;
  double excess = 0.0;
  for (auto _ : state) {
    const ToneMapResult result = ExtractToneMap(frame.data(), frame.size());
    if (!result.ok()) state.SkipWithError(result.error.c_str());
    stops = result.report.colorStops;
    excess = result.report.excess;
  }
  state.counters["stops"] = static_cast<double>(stops);
  state.counters["excess"] = excess;
}

void ExtractPhoto4K(benchmark::State& state) { Extract(state, PhotoFrame()); }
void ExtractRandomColors4K(benchmark::State& state) { Extract(state, RandomColorFrame()); }

}  // namespace

BENCHMARK(Memcpy4K)->Name("memcpy 3840x2160")->Unit(benchmark::kMillisecond);
BENCHMARK(Recolor4K)->Name("ColorReMap_Luminance 3840x2160")->Unit(benchmark::kMillisecond);
BENCHMARK(DecodePng4K)->Name("decode PNG 3840x2160")->Unit(benchmark::kMillisecond);
BENCHMARK(Histogram4K)->Name("luminance histogram 3840x2160")->Unit(benchmark::kMillisecond);
BENCHMARK(ExtractPhoto4K)
    ->Name("gradient map, photo-like 3840x2160")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ExtractRandomColors4K)
    ->Name("gradient map, 256 random colours 3840x2160")
    ->Unit(benchmark::kMillisecond);

// The frames and the PNG are made before any case is timed.
int main(int argc, char** argv) {
  PhotoFrame();
  RandomColorFrame();
  PhotoPng();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
