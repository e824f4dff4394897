// Speed of the script face against baselines measured in the same run on the
// same buffers: the remap against memcpy, the image fill against a plain fill,
// the pure-Lua remap against the module's. Prints Google Benchmark's table,
// then the ratios, then the passes on 1, 2 and all worker threads.
//
// The required cases reuse one buffer per size, which stays in the last-level
// cache between iterations. The "cold" group, extra information, rotates
// through frames whose total exceeds it, baselines included.
#include <benchmark/benchmark.h>
#include <emmintrin.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <lua.hpp>
#include <map>
#include <string>
#include <vector>

#include "editor/canvas_raster.h"
#include "image/image_passes.h"
#include "image/luminance_remap.h"
#include "image/row_bands.h"
#include "lua/script_functions.h"
#include "model/banks.h"
#include "model/evaluate.h"

extern "C" int luaopen_Velumbra(lua_State* L);

namespace {

struct Size {
  int width, height;
  size_t pixels() const { return static_cast<size_t>(width) * height; }
};
const Size kSizes[] = {{1920, 1080}, {3840, 2160}};
const Size kColdSize = {1920, 1080};
constexpr int kColdFrames = 16;  // 133 MB, beyond any last-level cache here
constexpr int kColdFirstSlot = 100;

lua_State* Lua() {
  static lua_State* L = [] {
    lua_State* state = luaL_newstate();
    luaL_openlibs(state);
    lua_pushcfunction(state, luaopen_Velumbra);
    lua_call(state, 0, 0);
    const char* setup =
        "Velumbra.SetGradationData(1,"
        " {{value = 0x102040, point = 0}, {value = 0xF08020, point = 35},"
        "  {value = 0x20C0A0, point = 70}, {value = 0xFFFFFF, point = 100}},"
        " {{value = 100, point = 0}, {value = 40, point = 50}, {value = 90, point = 100}})";
    if (luaL_dostring(state, setup) != 0) std::fprintf(stderr, "%s\n", lua_tostring(state, -1));
    return state;
  }();
  return L;
}

// A full userdata of varied pixels, kept alive in the registry.
uint32_t* PixelUserdata(const Size& size, int slot) {
  static std::map<int, uint32_t*> buffers;
  auto found = buffers.find(slot);
  if (found != buffers.end()) return found->second;
  lua_State* L = Lua();
  auto* pixels = static_cast<uint32_t*>(lua_newuserdata(L, size.pixels() * 4));
  lua_rawseti(L, LUA_REGISTRYINDEX, 1000 + slot);
  uint32_t state = 2463534242u + static_cast<uint32_t>(slot);
  for (size_t i = 0; i < size.pixels(); ++i) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    pixels[i] = state;
  }
  return buffers[slot] = pixels;
}

void PushBuffer(lua_State* L, int slot) { lua_rawgeti(L, LUA_REGISTRYINDEX, 1000 + slot); }

void CallImageFunction(lua_CFunction function, const Size& size, int slot,
                       std::initializer_list<double> extra) {
  lua_State* L = Lua();
  lua_pushcfunction(L, function);
  lua_pushinteger(L, 1);
  PushBuffer(L, slot);
  lua_pushinteger(L, size.width);
  lua_pushinteger(L, size.height);
  for (double value : extra) lua_pushnumber(L, value);
  lua_call(L, 4 + static_cast<int>(extra.size()), 0);
}

void Memcpy(benchmark::State& state, Size size) {
  std::vector<uint32_t> destination(size.pixels());
  const uint32_t* source = PixelUserdata(size, 0 + (size.width > 2000));
  for (auto _ : state) {
    std::memcpy(destination.data(), source, size.pixels() * 4);
    benchmark::ClobberMemory();
  }
}

// One word into every pixel, sixteen bytes per store: what a vectorising
// compiler makes of a fill loop. (-O2 here stores one word at a time, several
// times slower, which would flatter the image fill.)
__attribute__((noinline)) void FillWords(uint32_t* pixels, size_t count, uint32_t word) {
  const __m128i words = _mm_set1_epi32(static_cast<int>(word));
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    for (size_t j = 0; j < 16; j += 4) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + j), words);
    }
  }
  for (; i < count; ++i) pixels[i] = word;
}

void Fill(benchmark::State& state, Size size) {
  uint32_t* pixels = PixelUserdata(size, 2 + (size.width > 2000));
  for (auto _ : state) {
    FillWords(pixels, size.pixels(), 0xFE808080u);
    benchmark::ClobberMemory();
  }
}

// The cold group: each iteration takes the next frame of the rotation.
int ColdSlot(int64_t iteration) {
  return kColdFirstSlot + static_cast<int>(iteration % kColdFrames);
}

void ColdFrames() {
  for (int i = 0; i < kColdFrames; ++i) PixelUserdata(kColdSize, kColdFirstSlot + i);
}

void ColdMemcpy(benchmark::State& state) {
  ColdFrames();
  int64_t n = 0;
  for (auto _ : state) {
    std::memcpy(PixelUserdata(kColdSize, ColdSlot(n + 1)), PixelUserdata(kColdSize, ColdSlot(n)),
                kColdSize.pixels() * 4);
    ++n;
    benchmark::ClobberMemory();
  }
}

void ColdFill(benchmark::State& state) {
  ColdFrames();
  int64_t n = 0;
  for (auto _ : state) {
    FillWords(PixelUserdata(kColdSize, ColdSlot(n++)), kColdSize.pixels(), 0xFE808080u);
    benchmark::ClobberMemory();
  }
}

void ColdImageFunction(benchmark::State& state, lua_CFunction function) {
  ColdFrames();
  int64_t n = 0;
  for (auto _ : state) CallImageFunction(function, kColdSize, ColdSlot(n++), {});
}

void Remap(benchmark::State& state, Size size) {
  const int slot = 4 + (size.width > 2000);
  PixelUserdata(size, slot);
  for (auto _ : state) CallImageFunction(ColorReMap_Luminance, size, slot, {});
}

void RemapScaled(benchmark::State& state, Size size) {
  const int slot = 4 + (size.width > 2000);
  PixelUserdata(size, slot);
  for (auto _ : state) CallImageFunction(ColorReMap_Luminance, size, slot, {4.0 / 3.0, 100, 2});
}

void RemapPass(benchmark::State& state, Size size, SimdPath path) {
  if (!SimdPathSupported(path)) {
    state.SkipWithError("path not supported on this CPU");
    return;
  }
  uint32_t* pixels = PixelUserdata(size, 4 + (size.width > 2000));
  uint32_t table[kLuminanceLevels];
  for (int k = 0; k < kLuminanceLevels; ++k) table[k] = 0x01000193u * static_cast<uint32_t>(k);
  for (auto _ : state) {
    RemapByLuminance(pixels, size.pixels(), table, path);
    benchmark::ClobberMemory();
  }
}

void GradationImage(benchmark::State& state, Size size) {
  const int slot = 2 + (size.width > 2000);
  PixelUserdata(size, slot);
  for (auto _ : state) CallImageFunction(SetGradationImage, size, slot, {});
}

// What a script writer has without the module: the gradation interpolated in
// Lua into a 4097-entry table, and the pixels a Lua table of numbers.
const char kPureLuaRemap[] = R"(
local width, height = ...
local pixels = {}
local seed = 2463534242
for i = 1, width * height do
  seed = (seed * 1103515245 + 12345) % 4294967296
  pixels[i] = seed
end
local floor = math.floor
local stops = {{0, 0x10, 0x20, 0x40}, {35, 0xF0, 0x80, 0x20}, {70, 0x20, 0xC0, 0xA0}, {100, 255, 255, 255}}
return function()
  local lut = {}
  for k = 0, 4096 do
    local x = k / 40.96
    local i = 1
    while i < #stops - 1 and stops[i + 1][1] <= x do i = i + 1 end
    local a, b = stops[i], stops[i + 1]
    local t = (x - a[1]) / (b[1] - a[1])
    local r = floor(a[2] + (b[2] - a[2]) * t + 0.5)
    local g = floor(a[3] + (b[3] - a[3]) * t + 0.5)
    local bl = floor(a[4] + (b[4] - a[4]) * t + 0.5)
    lut[k] = 0xFE000000 + r * 65536 + g * 256 + bl
  end
  for i = 1, width * height do
    local p = pixels[i]
    local r = floor(p / 65536) % 256
    local g = floor(p / 256) % 256
    local b = p % 256
    pixels[i] = lut[floor((r * 4918 + 354) / 1024) + floor((g * 9655 + 585) / 1024) +
                    floor((b * 1875 + 523) / 1024)]
  end
end
)";

void PureLuaRemap(benchmark::State& state, Size size) {
  lua_State* L = Lua();
  if (luaL_loadstring(L, kPureLuaRemap) != 0) {
    state.SkipWithError(lua_tostring(L, -1));
    return;
  }
  lua_pushinteger(L, size.width);
  lua_pushinteger(L, size.height);
  lua_call(L, 2, 1);
  for (auto _ : state) {
    lua_pushvalue(L, -1);
    lua_call(L, 0, 0);
  }
  lua_pop(L, 1);
  lua_gc(L, LUA_GCCOLLECT, 0);
}

void Evaluate(benchmark::State& state, int stops) {
  GradationData g;
  for (int i = 0; i < stops; ++i) {
    const float position = 100.0f * static_cast<float>(i) / static_cast<float>(stops - 1);
    AddColorStop(g, position, RgbFromPacked(0x9E3779B9u * static_cast<uint32_t>(i)));
    AddAlphaStop(g, position, static_cast<float>((i * 37) % 101));
  }
  float position = 0.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateColor(g, position, kEditorCurveExponent));
    benchmark::DoNotOptimize(EvaluateOpacity(g, position, kEditorCurveExponent));
    position += 0.37f;
    if (position > 100.0f) position -= 100.0f;
  }
}

// The editor's canvas on the host's 418-pixel-wide filter window, for a
// gradation blended over the checkerboard: what one repaint computes.
void CanvasRender(benchmark::State& state) {
  GradationData g;
  for (auto [color, position] :
       {std::pair{0x1A2A6Cu, 0.0f}, {0xB21F1Fu, 35.0f}, {0xFDBB2Du, 70.0f}, {0x20C0A0u, 100.0f}}) {
    AddColorStop(g, position, RgbFromPacked(color));
  }
  for (auto [opacity, position] : {std::pair{100.0f, 0.0f}, {35.0f, 60.0f}, {90.0f, 100.0f}}) {
    AddAlphaStop(g, position, opacity);
  }
  CanvasRaster raster;
  for (auto _ : state) {
    RenderCanvas(g, 418, 418, 0xF0F0F0, raster);
    benchmark::DoNotOptimize(raster.pixels.data());
  }
}

std::string SizeName(const Size& size) {
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

// The passes on pools of 1, 2 and all workers, against memcpy. On a machine
// shared with other work a case run alone for half a second catches whatever
// load that half second had; these cases instead take turns, round after
// round, and each reports its median round.
constexpr int kRounds = 31;
constexpr int kCallsPerRound = 3;

struct TimedCase {
  std::string name;
  std::function<void()> call;
  double median = 0.0;  // seconds per call
};

void TimeInTurns(std::vector<TimedCase>& cases) {
  std::vector<std::vector<double>> times(cases.size());
  for (TimedCase& c : cases) c.call();  // warm up: pools made, pages touched
  for (int round = 0; round < kRounds; ++round) {
    // Each round starts with the next case, so that none always follows the same one.
    for (size_t turn = 0; turn < cases.size(); ++turn) {
      const size_t i = (static_cast<size_t>(round) + turn) % cases.size();
      const auto start = std::chrono::steady_clock::now();
      for (int k = 0; k < kCallsPerRound; ++k) cases[i].call();
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      times[i].push_back(took.count() / kCallsPerRound);
    }
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    std::sort(times[i].begin(), times[i].end());
    cases[i].median = times[i][times[i].size() / 2];
  }
}

const GradationData& BenchGradation() {
  Lua();
  return *GradationById(1);
}

BandPool& PoolOf(int workers, bool splitAnySize) {
  static std::map<std::pair<int, bool>, BandPool*> pools;
  BandPool*& pool = pools[{workers, splitAnySize}];
  if (pool == nullptr) {
    BandPoolSettings settings;
    settings.workers = workers;
    settings.splitAnySize = splitAnySize;
    pool = new BandPool(settings);
  }
  return *pool;
}

std::string WorkersName(int workers) {
  const std::string name = workers == 1 ? "1 worker" : std::to_string(workers) + " workers";
  return workers == SharedBandPool().workers() ? name + " (all)" : name;
}

// Each case's median, and its ratios to the one-worker case and to memcpy
// (an index past the end: no such ratio).
void PrintTurns(const std::vector<TimedCase>& cases, size_t oneWorker, size_t memcpyCase) {
  for (size_t i = 0; i < cases.size(); ++i) {
    std::printf("%-40s %9.3f ms", cases[i].name.c_str(), cases[i].median * 1e3);
    if (i != memcpyCase && oneWorker < cases.size()) {
      std::printf("  %6.2fx 1 worker", cases[i].median / cases[oneWorker].median);
    }
    if (i != memcpyCase && memcpyCase < cases.size()) {
      std::printf("  %6.2fx memcpy", cases[i].median / cases[memcpyCase].median);
    }
    std::printf("\n");
  }
}

// One call of the recolour or the fill pass on `pool`.
std::function<void()> PassOnPool(const char* pass, BandPool& pool, uint32_t* pixels, Size size) {
  if (pass[0] == 'r') {
    return [&pool, pixels, size] {
      RecolorByLuminance(BenchGradation(), kEditorCurveExponent, 1.0f, 0.0f, pixels, size.width,
                         size.height, pool);
    };
  }
  return [&pool, pixels, size] {
    PaintGradationImage(BenchGradation(), kEditorCurveExponent, 0.0f, 100.0f, pixels, size.width,
                        size.height, pool);
  };
}

// Every size at 1, 2 and all workers, as the script face calls the passes.
void WorkerTurns() {
  const int all = SharedBandPool().workers();
  std::printf(
      "\nBands on worker threads (all: %d here; %d logical processors), median of %d "
      "rounds taken in turns\n",
      all, LogicalProcessorCount(), kRounds);
  std::vector<int> counts = {1, 2};
  if (all > 2) counts.push_back(all);
  // Every case has frames of its own: one case's writes must not warm the
  // cache for the next.
  std::vector<std::vector<uint32_t>> frames;
  auto frameLike = [&frames](const Size& size, int slot) {
    const uint32_t* pixels = PixelUserdata(size, slot);
    frames.emplace_back(pixels, pixels + size.pixels());
    return frames.back().data();
  };
  for (const Size& size : kSizes) {
    const int big = size.width > 2000;
    for (const char* pass : {"recolour", "fill"}) {
      frames.clear();
      frames.reserve(2 + counts.size());
      std::vector<TimedCase> cases;
      const uint32_t* source = frameLike(size, big);
      uint32_t* destination = frameLike(size, 4 + big);
      cases.push_back({"memcpy/" + SizeName(size), [source, destination, size] {
                         std::memcpy(destination, source, size.pixels() * 4);
                         benchmark::ClobberMemory();
                       }});
      for (int workers : counts) {
        BandPool& pool = PoolOf(workers, false);
        uint32_t* pixels = frameLike(size, 4 + big);
        const std::function<void()> call = PassOnPool(pass, pool, pixels, size);
        cases.push_back(
            {std::string(pass) + " " + WorkersName(workers) + "/" + SizeName(size), call});
      }
      TimeInTurns(cases);
      PrintTurns(cases, 1, 0);
    }
  }
}

// Sizes around the threshold, each image split whatever its size, on one
// worker and on all (extra information: where splitting starts to pay).
void ThresholdTurns() {
  const int all = SharedBandPool().workers();
  std::printf("\nAround the threshold, every image split (extra information)\n");
  const Size sizes[] = {{256, 256}, {512, 256}, {512, 512}, {1024, 512}, {1024, 1024}};
  int slot = 20;
  for (const Size& size : sizes) {
    uint32_t* pixels = PixelUserdata(size, slot++);
    for (const char* pass : {"recolour", "fill"}) {
      std::vector<TimedCase> cases;
      for (int workers : {1, all}) {
        BandPool& pool = PoolOf(workers, true);
        const std::function<void()> call = PassOnPool(pass, pool, pixels, size);
        cases.push_back(
            {std::string(pass) + " " + WorkersName(workers) + "/" + SizeName(size), call});
      }
      TimeInTurns(cases);
      PrintTurns(cases, 0, cases.size());
    }
  }
}

void RegisterAll() {
  auto ms = [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime();
  };
  for (const Size& size : kSizes) {
    const std::string s = SizeName(size);
    ms(benchmark::RegisterBenchmark(("memcpy/" + s).c_str(), Memcpy, size));
    ms(benchmark::RegisterBenchmark(("ColorReMap_Luminance/" + s).c_str(), Remap, size));
    ms(benchmark::RegisterBenchmark(("ColorReMap_Luminance scale 2 offset 100/" + s).c_str(),
                                    RemapScaled, size));
    for (SimdPath path : {SimdPath::Scalar, SimdPath::Sse2, SimdPath::Avx2}) {
      ms(benchmark::RegisterBenchmark(
          (std::string("remap pixel pass ") + SimdPathName(path) + "/" + s).c_str(), RemapPass,
          size, path));
    }
    ms(benchmark::RegisterBenchmark(("fill/" + s).c_str(), Fill, size));
    ms(benchmark::RegisterBenchmark(("SetGradationImage/" + s).c_str(), GradationImage, size));
  }
  auto cold = [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime();
  };
  cold(benchmark::RegisterBenchmark("cold memcpy/1920x1080", ColdMemcpy));
  cold(benchmark::RegisterBenchmark("cold ColorReMap_Luminance/1920x1080", ColdImageFunction,
                                    ColorReMap_Luminance));
  cold(benchmark::RegisterBenchmark("cold fill/1920x1080", ColdFill));
  cold(benchmark::RegisterBenchmark("cold SetGradationImage/1920x1080", ColdImageFunction,
                                    SetGradationImage));
  benchmark::RegisterBenchmark("pure Lua remap/1920x1080", PureLuaRemap, kSizes[0])
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(3);
  benchmark::RegisterBenchmark("editor canvas raster/418", CanvasRender)
      ->Unit(benchmark::kMicrosecond);
  for (int stops : {2, 16, 256}) {
    benchmark::RegisterBenchmark(("Evaluate colour+opacity/" + std::to_string(stops)).c_str(),
                                 Evaluate, stops);
  }
}

// Collects each case's real time in seconds for the ratio table.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // Plain case names: "/real_time" and "/iterations:N" are Google Benchmark's.
      std::string name = run.benchmark_name();
      for (const char* suffix : {"/real_time", "/iterations:3"}) {
        const size_t at = name.find(suffix);
        if (at != std::string::npos) name.erase(at, std::strlen(suffix));
      }
      seconds[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

void PrintRatio(const RecordingReporter& r, const std::string& name, const std::string& base) {
  auto a = r.seconds.find(name);
  auto b = r.seconds.find(base);
  if (a == r.seconds.end() || b == r.seconds.end()) return;
  std::printf("%-52s %10.3f ms  %-30s %10.3f ms  %8.2fx\n", name.c_str(), a->second * 1e3,
              base.c_str(), b->second * 1e3, a->second / b->second);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RegisterAll();
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios (fastest path here: %s)\n", SimdPathName(FastestSimdPath()));
  std::printf("%-52s %13s  %-30s %13s  %9s\n", "case", "time", "baseline", "time", "ratio");
  for (const Size& size : kSizes) {
    const std::string s = "/" + SizeName(size);
    for (const char* name :
         {"ColorReMap_Luminance", "ColorReMap_Luminance scale 2 offset 100",
          "remap pixel pass scalar", "remap pixel pass sse2", "remap pixel pass avx2"}) {
      PrintRatio(reporter, name + s, "memcpy" + s);
    }
    PrintRatio(reporter, "SetGradationImage" + s, "fill" + s);
  }
  PrintRatio(reporter, "pure Lua remap/1920x1080", "ColorReMap_Luminance/1920x1080");
  std::printf("\nCold buffers (extra information: %d frames in rotation, baselines likewise)\n",
              kColdFrames);
  PrintRatio(reporter, "cold ColorReMap_Luminance/1920x1080", "cold memcpy/1920x1080");
  PrintRatio(reporter, "cold SetGradationImage/1920x1080", "cold fill/1920x1080");
  WorkerTurns();
  ThresholdTurns();
  benchmark::Shutdown();
  return 0;
}
