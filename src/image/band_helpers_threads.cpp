// Band helpers on std::thread: made on first use, parked on a condition
// variable between calls, stopped and joined when the pool goes (for the
// shared pool, when the module is unloaded or the process exits).
#include <sched.h>

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "image/band_helpers.h"
#include "image/row_bands.h"

struct BandHelpers::State {
  std::mutex mutex;
  std::condition_variable wake;  // a job was posted, or stop
  std::condition_variable idle;  // no helper inside the job any more, or one more started
  BandJob* job = nullptr;        // open for helpers to join
  unsigned generation = 0;       // counts jobs, so none is joined twice
  int wanted = 0;                // helpers the open job may still take
  int inside = 0;                // helpers running the job
  int started = 0;               // helpers that reached Serve
  bool stop = false;
  std::vector<std::thread> threads;

  void Serve() {
    std::unique_lock<std::mutex> lock(mutex);
    ++started;
    idle.notify_one();
    unsigned seen = generation;
    for (;;) {
      wake.wait(lock, [&] { return stop || (job != nullptr && generation != seen && wanted > 0); });
      if (stop) return;
      seen = generation;
      --wanted;
      ++inside;
      BandJob* current = job;
      lock.unlock();
      current->RunClaimedBands();
      lock.lock();
      if (--inside == 0) idle.notify_one();
    }
  }
};

BandHelpers::BandHelpers(int count, bool failToStart) : count_(count), failToStart_(failToStart) {}

BandHelpers::~BandHelpers() {
  if (state_ == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->stop = true;
  }
  state_->wake.notify_all();
  for (std::thread& thread : state_->threads) thread.join();
  delete state_;
}

bool BandHelpers::Start(BandJob& job, int count) {
  if (failToStart_ || count <= 0) return false;
  if (state_ == nullptr) {
    state_ = new State;
    state_->threads.reserve(static_cast<size_t>(count_));
    // A system out of threads leaves fewer helpers, or none.
    try {
      while (static_cast<int>(state_->threads.size()) < count_) {
        state_->threads.emplace_back([state = state_] { state->Serve(); });
      }
    } catch (const std::system_error&) {
    }
    // A thread's start allocates (the runtime's bookkeeping, on the new
    // thread): wait for it here, once, so that no later call sees it.
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->idle.wait(
        lock, [this] { return state_->started == static_cast<int>(state_->threads.size()); });
  }
  if (state_->threads.empty()) return false;
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->job = &job;
    ++state_->generation;
    state_->wanted = count;
  }
  state_->wake.notify_all();
  return true;
}

void BandHelpers::Finish() {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->job = nullptr;
  state_->wanted = 0;
  state_->idle.wait(lock, [this] { return state_->inside == 0; });
}

int LogicalProcessorCount() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return CPU_COUNT(&set);
  const unsigned count = std::thread::hardware_concurrency();
  return count > 0 ? static_cast<int>(count) : 1;
}

// Destroyed at unload or exit, joining its helpers before their code goes.
BandPool& SharedBandPool() {
  static BandPool pool(SharedBandPoolSettings());
  return pool;
}
