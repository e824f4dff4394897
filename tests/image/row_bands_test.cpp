// The image passes split into row bands on 1 to 8 workers write exactly the
// words of the single-threaded pass; the bands cover every row once, on no
// more threads than asked, and on the calling thread alone when the image is
// small or the helpers cannot start. Built natively (std::thread, also under
// ThreadSanitizer) and for Windows (the system thread pool, under Wine).
#include "image/row_bands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "image/gradient_rows.h"
#include "image/image_passes.h"
#include "image/luminance_remap.h"
#include "model/evaluate.h"
#include "support/random_gradations.h"

namespace {

TEST(WorkerCount, FromTheSettingOrTheProcessors) {
  struct Case {
    const char* setting;
    int processors;
    int workers;
  } cases[] = {
      {nullptr, 1, 1}, {nullptr, 2, 2}, {nullptr, 16, 8}, {nullptr, 0, 1}, {"1", 16, 1},
      {"12", 4, 12},   {"64", 2, 64},   {"65", 4, 4},     {"0", 4, 4},     {"-2", 4, 4},
      {"3x", 4, 4},    {"", 4, 4},      {"x", 32, 8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WorkerCountFor(c.setting, c.processors), c.workers)
        << (c.setting ? c.setting : "(unset)") << " with " << c.processors << " processors";
  }
}

BandPoolSettings Settings(int workers, int64_t minBand, bool fail = false) {
  BandPoolSettings settings;
  settings.workers = workers;
  settings.minBandPixels = minBand;
  settings.failHelperStart = fail;
  return settings;
}

// Which band and thread wrote each row, from every call of a band function.
struct RowLog {
  explicit RowLog(int32_t rows) : writes(static_cast<size_t>(rows)), threads(rows) {}
  std::vector<std::atomic<int>> writes;
  std::vector<std::thread::id> threads;
  std::atomic<int> bands{0};
};

void LogRows(const void* context, int32_t first, int32_t end) {
  auto& log = *static_cast<RowLog*>(const_cast<void*>(context));
  log.bands.fetch_add(1);
  for (int32_t y = first; y < end; ++y) {
    log.writes[static_cast<size_t>(y)].fetch_add(1);
    log.threads[static_cast<size_t>(y)] = std::this_thread::get_id();
  }
}

TEST(BandPool, EveryRowOnceOnAtMostTheWorkers) {
  struct Case {
    BandPoolSettings settings;
    int64_t rowPixels;
    int32_t rows;
    int64_t minParallel;  // the pass's threshold
    int32_t bands;        // expected band count
    bool callerOnly;      // every row on the calling thread
  } cases[] = {
      {Settings(4, 1), 3, 7, 0, 7, false},  // fewer rows than bands would be
      {Settings(8, 1), 1, 1, 0, 1, true},
      {Settings(3, 1), 5, 100, 0, 12, false},               // 100 rows in 12 uneven bands
      {Settings(8, 1000), 100, 95, 0, 9, false},            // bands held to 1000 pixels
      {Settings(8, 1 << 15), 1920, 136, 1 << 18, 1, true},  // 261K pixels: below the threshold
      {Settings(8, 1 << 15), 1920, 137, 1 << 18, 8, false},
      {Settings(8, 1 << 15), 1920, 137, 1 << 19, 1, true},
      {Settings(2, 1 << 15), 3840, 2160, 1 << 19, 8, false},
      {Settings(1, 1), 3840, 2160, 0, 1, true},
      {Settings(8, 1, true), 1921, 1081, 0, 32, true},  // the helpers fail to start
      {Settings(8, 1), 1000, 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.settings.workers << " workers, " << c.rows << " rows of " << c.rowPixels);
    EXPECT_EQ(BandCount(c.rowPixels, c.rows, c.minParallel, c.settings), c.bands);
    BandPool pool(c.settings);
    // Twice: the first call makes the helpers, the second finds them made.
    for (int call = 0; call < 2; ++call) {
      RowLog log(c.rows);
      pool.Run(LogRows, &log, c.rowPixels, c.rows, c.minParallel);
      EXPECT_EQ(log.bands.load(), c.bands);
      std::set<std::thread::id> threads;
      for (int32_t y = 0; y < c.rows; ++y) {
        ASSERT_EQ(log.writes[static_cast<size_t>(y)].load(), 1) << "row " << y;
        threads.insert(log.threads[static_cast<size_t>(y)]);
      }
      EXPECT_LE(static_cast<int>(threads.size()), c.settings.workers);
      if (c.callerOnly) {
        EXPECT_TRUE(threads.empty() ||
                    (threads.size() == 1 && *threads.begin() == std::this_thread::get_id()));
      }
    }
  }
}

// A gradation with hard and soft edges and partial opacity, and a frame of
// random pixels.
GradationData TestGradation() {
  TestRandom random(20240611);
  return RandomGradation(random, 12, false);
}

std::vector<uint32_t> RandomFrame(size_t pixels) {
  TestRandom random(pixels);
  std::vector<uint32_t> frame(pixels);
  for (uint32_t& word : frame) word = static_cast<uint32_t>(random.Next());
  return frame;
}

struct Size {
  int32_t width, height;
  size_t pixels() const { return static_cast<size_t>(width) * static_cast<size_t>(height); }
};
const Size kSizes[] = {{1, 1}, {3, 7}, {1921, 1081}, {3840, 2160}};

// The single-threaded passes as they were: one table, one pass over the frame;
// one row, copied down.
std::vector<uint32_t> ReferenceRecolor(const GradationData& g, std::vector<uint32_t> frame) {
  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(g, kEditorCurveExponent, 1.5f, 300.0f, table);
  RemapByLuminance(frame.data(), frame.size(), table, FastestSimdPath());
  return frame;
}

std::vector<uint32_t> ReferencePaint(const GradationData& g, const Size& size) {
  std::vector<uint32_t> frame(size.pixels());
  const float step = static_cast<float>((100.0 - 10.0f) / size.width);
  FillGradationRow(g, kEditorCurveExponent, step, 10.0f, frame.data(), size.width);
  for (size_t y = 1; y < static_cast<size_t>(size.height); ++y) {
    std::memcpy(&frame[y * size.width], frame.data(), size.width * sizeof(uint32_t));
  }
  return frame;
}

TEST(BandedPasses, SameWordsOnEveryWorkerCount) {
  const GradationData g = TestGradation();
  for (const Size& size : kSizes) {
    const std::vector<uint32_t> frame = RandomFrame(size.pixels());
    const std::vector<uint32_t> recolored = ReferenceRecolor(g, frame);
    const std::vector<uint32_t> painted = ReferencePaint(g, size);
    for (int workers = 1; workers <= 8; ++workers) {
      for (bool fail : {false, true}) {
        if (fail && workers != 8) continue;
        SCOPED_TRACE(::testing::Message() << size.width << "x" << size.height << ", " << workers
                                          << " workers" << (fail ? ", helpers failing" : ""));
        // Every size split, in bands as small as a row, so that even the odd sizes split.
        BandPoolSettings settings = Settings(workers, 1, fail);
        settings.splitAnySize = true;
        BandPool pool(settings);
        std::vector<uint32_t> pixels = frame;
        RecolorByLuminance(g, kEditorCurveExponent, 1.5f, 300.0f, pixels.data(), size.width,
                           size.height, pool);
        EXPECT_TRUE(pixels == recolored);
        std::fill(pixels.begin(), pixels.end(), 0u);
        PaintGradationImage(g, kEditorCurveExponent, 10.0f, 100.0f, pixels.data(), size.width,
                            size.height, pool);
        EXPECT_TRUE(pixels == painted);
      }
    }
  }
}

// A buffer given by its count alone, with a tail shorter than a band row.
TEST(BandedPasses, CountedBufferOnTheSharedPool) {
  const GradationData g = TestGradation();
  const std::vector<uint32_t> frame = RandomFrame(1921 * 1081);
  std::vector<uint32_t> pixels = frame;
  RecolorByLuminance(g, kEditorCurveExponent, 1.5f, 300.0f, pixels.data(), pixels.size());
  EXPECT_TRUE(pixels == ReferenceRecolor(g, frame));
}

// Threads calling one pool at once: one gets the helpers, the others run
// alone, and every frame is right.
TEST(BandedPasses, ConcurrentCallsOnOnePool) {
  const GradationData g = TestGradation();
  const Size size = {1024, 600};
  const std::vector<uint32_t> frame = RandomFrame(size.pixels());
  const std::vector<uint32_t> expected = ReferenceRecolor(g, frame);
  BandPoolSettings settings = Settings(4, 1024);
  settings.splitAnySize = true;
  BandPool pool(settings);
  std::atomic<int> wrong{0};
  std::vector<std::thread> callers;
  for (int i = 0; i < 4; ++i) {
    callers.emplace_back([&] {
      for (int round = 0; round < 5; ++round) {
        std::vector<uint32_t> pixels = frame;
        RecolorByLuminance(g, kEditorCurveExponent, 1.5f, 300.0f, pixels.data(), size.width,
                           size.height, pool);
        if (pixels != expected) wrong.fetch_add(1);
      }
    });
  }
  for (std::thread& caller : callers) caller.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
