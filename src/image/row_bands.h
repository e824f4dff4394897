// Whole-image passes split into bands of whole rows, run on the calling
// thread and a pool's helper threads at once. A call returns only when every
// band is done; whatever the helpers manage (all, some or none of the bands),
// the pixels are the same, since each row is written by exactly one band.
#pragma once

#include <atomic>
#include <cstdint>

#include "image/band_helpers.h"

// Below these many pixels a pass stays on the calling thread: waking helpers
// costs more than they save (measured in bench/RESULTS.md). Copying rows does
// less per pixel than recolouring them, so it needs more to pay.
constexpr int64_t kRecolorMinParallelPixels = int64_t{1} << 18;
constexpr int64_t kFillMinParallelPixels = int64_t{1} << 19;
// No band is made smaller than this, so that waking a helper pays.
constexpr int64_t kMinBandPixels = int64_t{1} << 15;
// Bands per worker: a few, so that a worker the system preempts holds up
// only a small share of the frame.
constexpr int32_t kBandsPerWorker = 4;
// The default worker count is the logical processor count up to this.
constexpr int kDefaultWorkerCap = 8;
// VELUMBRA_THREADS may ask for up to this many.
constexpr int kMaxWorkers = 64;

// The number of workers for a VELUMBRA_THREADS value (null when unset): a
// whole number from 1 to kMaxWorkers is taken as it is, anything else is
// ignored for the processor count capped at kDefaultWorkerCap.
int WorkerCountFor(const char* setting, int logicalProcessors);

struct BandPoolSettings {
  int workers = 1;  // the calling thread included
  // Tests and benchmarks: images of any size are split, down to bands of
  // minBandPixels.
  bool splitAnySize = false;
  int64_t minBandPixels = kMinBandPixels;
  // Tests: the helpers fail to start, as when the system refuses threads.
  bool failHelperStart = false;
};

// How many bands `rows` rows of `rowPixels` pixels make (1: the calling
// thread alone), for a pass that pays from `minParallelPixels` on.
int32_t BandCount(int64_t rowPixels, int32_t rows, int64_t minParallelPixels,
                  const BandPoolSettings& settings);

// The first row of band `band` of `bands` over `rows` rows; band `bands` gives `rows`.
inline int32_t BandStart(int32_t rows, int32_t bands, int32_t band) {
  return static_cast<int32_t>(static_cast<int64_t>(rows) * band / bands);
}

// Rows [first, end) of the pass described by `context`.
using BandFunction = void (*)(const void* context, int32_t first, int32_t end);

// One call's bands, claimed one at a time by whichever thread is free.
class BandJob {
 public:
  BandJob(BandFunction function, const void* context, int32_t rows, int32_t bands)
      : function_(function), context_(context), rows_(rows), bands_(bands) {}
  BandJob(const BandJob&) = delete;
  BandJob& operator=(const BandJob&) = delete;

  // Runs bands until none is left unclaimed.
  void RunClaimedBands();

 private:
  BandFunction function_;
  const void* context_;
  int32_t rows_;
  int32_t bands_;
  std::atomic<int32_t> next_{0};
};

class BandPool {
 public:
  // Starts nothing: the helpers are made on the first call that needs them.
  explicit BandPool(const BandPoolSettings& settings);
  BandPool(const BandPool&) = delete;
  BandPool& operator=(const BandPool&) = delete;

  // function(context, first, end) over every row band of [0, rows), returning
  // when all are written; on this thread alone below minParallelPixels. A call that finds the pool
  // busy with another thread's call, or whose helpers cannot start, runs on its own thread.
  void Run(BandFunction function, const void* context, int64_t rowPixels, int32_t rows,
           int64_t minParallelPixels);

  int workers() const { return settings_.workers; }

 private:
  BandPoolSettings settings_;
  std::atomic<bool> busy_{false};
  BandHelpers helpers_;
};

// The pool the image functions use, made on first use with
// WorkerCountFor(VELUMBRA_THREADS, the processors this process may run on),
// read then and never again.
BandPool& SharedBandPool();
BandPoolSettings SharedBandPoolSettings();
