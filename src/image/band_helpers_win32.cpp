// Band helpers on the system thread pool: a private pool of at most `count`
// threads, made on first use, and a work object for each call. The callback
// environment names this module, so the system holds it loaded while the work
// object lives (Wine: from its creation to its closing; Windows: while a
// callback runs). The work object therefore lives only as long as its call,
// and an unloaded library leaves nothing behind; closing the pool waits for
// nothing, so DllMain may do it.
#include <windows.h>

#include "image/band_helpers.h"
#include "image/row_bands.h"

struct BandHelpers::State {
  PTP_POOL pool = nullptr;
  TP_CALLBACK_ENVIRON environment;
  PTP_WORK work = nullptr;  // the running call's

  static VOID CALLBACK RunJob(PTP_CALLBACK_INSTANCE, PVOID job, PTP_WORK) {
    static_cast<BandJob*>(job)->RunClaimedBands();
  }

  bool Create(int count) {
    HMODULE self = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&RunJob), &self)) {
      return false;
    }
    pool = CreateThreadpool(nullptr);
    if (pool == nullptr) return false;
    // The helpers stay between calls: a renderer calls once per frame.
    SetThreadpoolThreadMaximum(pool, static_cast<DWORD>(count));
    SetThreadpoolThreadMinimum(pool, static_cast<DWORD>(count));
    InitializeThreadpoolEnvironment(&environment);
    SetThreadpoolCallbackPool(&environment, pool);
    SetThreadpoolCallbackLibrary(&environment, self);
    return true;
  }

  void Close() {
    if (pool == nullptr) return;
    DestroyThreadpoolEnvironment(&environment);
    CloseThreadpool(pool);
  }
};

BandHelpers::BandHelpers(int count, bool failToStart) : count_(count), failToStart_(failToStart) {}

BandHelpers::~BandHelpers() {
  if (state_ == nullptr) return;
  state_->Close();
  delete state_;
}

bool BandHelpers::Start(BandJob& job, int count) {
  if (failToStart_ || count <= 0) return false;
  if (state_ == nullptr) {
    state_ = new State;
    // Made again by a later call if the system refused now.
    if (!state_->Create(count_)) {
      state_->Close();
      delete state_;
      state_ = nullptr;
      return false;
    }
  }
  state_->work = CreateThreadpoolWork(State::RunJob, &job, &state_->environment);
  if (state_->work == nullptr) return false;
  for (int i = 0; i < count; ++i) SubmitThreadpoolWork(state_->work);
  return true;
}

void BandHelpers::Finish() {
  // Callbacks still queued are dropped: the caller has run out of bands.
  WaitForThreadpoolWorkCallbacks(state_->work, TRUE);
  CloseThreadpoolWork(state_->work);
  state_->work = nullptr;
}

int LogicalProcessorCount() {
  DWORD_PTR process = 0, system = 0;
  if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0) {
    int count = 0;
    for (; process != 0; process &= process - 1) ++count;
    return count;
  }
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return static_cast<int>(info.dwNumberOfProcessors);
}

namespace {

// Never destroyed by the runtime: at process exit the system has already
// ended the pool's threads. An unload releases it through DllMain instead.
BandPool* g_sharedPool = nullptr;

}  // namespace

BandPool& SharedBandPool() {
  static BandPool* pool = g_sharedPool = new BandPool(SharedBandPoolSettings());
  return *pool;
}

void ReleaseSharedBandPool() {
  delete g_sharedPool;
  g_sharedPool = nullptr;
}
