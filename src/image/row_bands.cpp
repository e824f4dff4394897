#include "image/row_bands.h"

#include <algorithm>
#include <cstdlib>

int WorkerCountFor(const char* setting, int logicalProcessors) {
  if (setting != nullptr && *setting != '\0') {
    char* end = nullptr;
    const long value = std::strtol(setting, &end, 10);
    if (*end == '\0' && value >= 1 && value <= kMaxWorkers) return static_cast<int>(value);
  }
  return std::clamp(logicalProcessors, 1, kDefaultWorkerCap);
}

int32_t BandCount(int64_t rowPixels, int32_t rows, int64_t minParallelPixels,
                  const BandPoolSettings& settings) {
  if (rows <= 0 || rowPixels <= 0) return 0;
  const int64_t pixels = rowPixels * rows;
  if (settings.workers <= 1 || (pixels < minParallelPixels && !settings.splitAnySize)) return 1;
  const int64_t bySize = pixels / std::max<int64_t>(settings.minBandPixels, 1);
  return static_cast<int32_t>(std::max<int64_t>(
      1,
      std::min<int64_t>({rows, bySize, static_cast<int64_t>(settings.workers) * kBandsPerWorker})));
}

void BandJob::RunClaimedBands() {
  for (;;) {
    const int32_t band = next_.fetch_add(1, std::memory_order_relaxed);
    if (band >= bands_) return;
    function_(context_, BandStart(rows_, bands_, band), BandStart(rows_, bands_, band + 1));
  }
}

BandPool::BandPool(const BandPoolSettings& settings)
    : settings_(settings), helpers_(std::max(settings.workers, 1) - 1, settings.failHelperStart) {}

void BandPool::Run(BandFunction function, const void* context, int64_t rowPixels, int32_t rows,
                   int64_t minParallelPixels) {
  const int32_t bands = BandCount(rowPixels, rows, minParallelPixels, settings_);
  if (bands <= 0) return;
  BandJob job(function, context, rows, bands);
  // One call at a time uses the helpers; another thread's call meanwhile
  // runs alone rather than wait for them.
  if (bands == 1 || busy_.exchange(true, std::memory_order_acquire)) {
    job.RunClaimedBands();
    return;
  }
  const bool helped = helpers_.Start(job, std::min(settings_.workers - 1, bands - 1));
  job.RunClaimedBands();
  if (helped) helpers_.Finish();
  busy_.store(false, std::memory_order_release);
}

BandPoolSettings SharedBandPoolSettings() {
  BandPoolSettings settings;
  settings.workers = WorkerCountFor(std::getenv("VELUMBRA_THREADS"), LogicalProcessorCount());
  return settings;
}
