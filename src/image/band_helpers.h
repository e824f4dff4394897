// The helper threads of one band pool, from the platform: the build's file list
// picks band_helpers_win32.cpp (the system thread pool) or
// band_helpers_threads.cpp (std::thread).
#pragma once

class BandJob;

class BandHelpers {
 public:
  // Up to `count` helpers; nothing is created before the first Start.
  BandHelpers(int count, bool failToStart);
  BandHelpers(const BandHelpers&) = delete;
  BandHelpers& operator=(const BandHelpers&) = delete;
  // Lets the helpers go. No job may be running.
  ~BandHelpers();

  // Has up to `count` helpers run job.RunClaimedBands() while the caller runs
  // it too. False when none could be started: the caller then runs every band.
  bool Start(BandJob& job, int count);
  // Returns once no helper runs the job; a helper that had not begun by then
  // never will. Only after a Start that returned true.
  void Finish();

 private:
  struct State;
  int count_;
  bool failToStart_;
  State* state_ = nullptr;
};

// The logical processors this process may run on.
int LogicalProcessorCount();

// Windows: DllMain calls this when the library is unloaded (not at process
// exit), so the pool's threads leave with it. It waits for nothing.
void ReleaseSharedBandPool();
