#include "filter_host.h"

#include <algorithm>
#include <cstring>

#include "host_system_info.h"
#include "plugin_library.h"

namespace {

// The edit handle the host passes along; the plug-in only hands it back.
char g_editHandle;

// Bytes past the reported size that must survive the writing call; a plug-in
// that writes more than it measured is caught before its data is used.
constexpr size_t kGuardBytes = 64;
constexpr uint8_t kGuardByte = 0xA5;

}  // namespace

FilterHost::FilterHost(const FilterRecord& descriptor) : record_(descriptor) {
  const int tracks = DescriptorTrackCount(descriptor);
  for (int i = 0; i < tracks; ++i) {
    const int32_t low = descriptor.trackMinimums[i];
    const int32_t high = std::max(low, descriptor.trackMaximums[i]);
    trackValues_.push_back(std::clamp(descriptor.trackDefaults[i], low, high));
  }
  // A default of -1 marks a push button, which has no state.
  const int checks = DescriptorCheckCount(descriptor);
  for (int i = 0; i < checks; ++i) checkValues_.push_back(std::max(descriptor.checkDefaults[i], 0));
  functionTable_ = MakeHostFunctionTable();
  record_.trackCount = tracks;
  record_.checkCount = checks;
  record_.trackValues = trackValues_.empty() ? nullptr : trackValues_.data();
  record_.checkValues = checkValues_.empty() ? nullptr : checkValues_.data();
  record_.host = &functionTable_;
  record_.window = nullptr;
  record_.instance = nullptr;
}

int32_t FilterHost::TrackMinimum(int track) const { return record_.trackMinimums[track]; }

int32_t FilterHost::TrackMaximum(int track) const {
  return std::max(record_.trackMinimums[track], record_.trackMaximums[track]);
}

bool FilterHost::SetTrackValue(int track, int32_t value) {
  if (track < 0 || track >= trackCount()) return false;
  if (value < TrackMinimum(track) || value > TrackMaximum(track)) return false;
  trackValues_[track] = value;
  return true;
}

void FilterHost::Init(HWND window, HINSTANCE instance) {
  if (state_ != State::kLoaded) return;
  record_.window = window;
  record_.instance = instance;
  state_ = State::kInitialised;
  if (record_.init != nullptr) record_.init(&record_);
}

void FilterHost::UpdateAll() {
  if (state_ == State::kInitialised && record_.update != nullptr) {
    record_.update(&record_, kUpdateAllValues);
  }
}

void FilterHost::UpdateTrack(int track) {
  if (state_ == State::kInitialised && record_.update != nullptr && track >= 0 &&
      track < trackCount()) {
    record_.update(&record_, kUpdateFirstTrack + track);
  }
}

int32_t FilterHost::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (state_ != State::kInitialised || record_.windowMessage == nullptr) return 0;
  return record_.windowMessage(window, message, wParam, lParam, &g_editHandle, &record_);
}

bool FilterHost::hasProjectHooks() const {
  return record_.projectLoad != nullptr && record_.projectSave != nullptr;
}

bool FilterHost::SaveProject(std::vector<uint8_t>& bytes, std::string& error) {
  bytes.clear();
  if (record_.projectSave == nullptr) {
    error = "the plug-in has no project-save hook";
    return false;
  }
  int32_t size = -1;
  if (!record_.projectSave(&record_, &g_editHandle, nullptr, &size)) {
    error = "the project-save hook failed to measure the data";
    return false;
  }
  if (size < 0 || size > kMaxProjectBytes) {
    error = "the project-save hook reported an impossible size " + std::to_string(size);
    return false;
  }
  if (size == 0) return true;
  std::vector<uint8_t> buffer(static_cast<size_t>(size) + kGuardBytes, kGuardByte);
  int32_t sizePlace = size;
  if (!record_.projectSave(&record_, &g_editHandle, buffer.data(), &sizePlace)) {
    error = "the project-save hook failed to write the data";
    return false;
  }
  if (std::any_of(buffer.begin() + size, buffer.end(), [](uint8_t b) { return b != kGuardByte; })) {
    error =
        "the project-save hook wrote more than the " + std::to_string(size) + " bytes it measured";
    return false;
  }
  buffer.resize(static_cast<size_t>(size));
  bytes.swap(buffer);
  return true;
}

bool FilterHost::LoadProject(const std::vector<uint8_t>& bytes, std::string& error) {
  if (record_.projectLoad == nullptr) {
    error = "the plug-in has no project-load hook";
    return false;
  }
  // A host stores nothing for a filter that saved nothing, and has nothing to hand back.
  if (bytes.empty()) return true;
  if (bytes.size() > static_cast<size_t>(kMaxProjectBytes)) {
    error = "the project data is larger than " + std::to_string(kMaxProjectBytes) + " bytes";
    return false;
  }
  // The hook gets its own copy: it may not write through the pointer into ours.
  std::vector<uint8_t> copy(bytes);
  if (!record_.projectLoad(&record_, &g_editHandle, copy.data(),
                           static_cast<int32_t>(copy.size()))) {
    error = "the project-load hook reported failure";
    return false;
  }
  return true;
}

void FilterHost::Exit() {
  if (state_ != State::kInitialised) {
    state_ = State::kExited;
    return;
  }
  state_ = State::kExited;
  if (record_.exit != nullptr) record_.exit(&record_);
}
