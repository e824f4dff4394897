// The host's side of one loaded filter: its own copy of the filter record with
// the slots the host fills, and the calls into the plug-in in the order the
// interface requires (initialise once, then updates, messages and project
// hooks, exit last). A callback the descriptor leaves null is skipped.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "filter/host_interface.h"

class FilterHost {
 public:
  explicit FilterHost(const FilterRecord& descriptor);
  FilterHost(const FilterHost&) = delete;
  FilterHost& operator=(const FilterHost&) = delete;

  const FilterRecord& record() const { return record_; }
  int trackCount() const { return static_cast<int>(trackValues_.size()); }
  int checkCount() const { return static_cast<int>(checkValues_.size()); }
  int32_t TrackValue(int track) const { return trackValues_[track]; }
  int32_t TrackMinimum(int track) const;
  int32_t TrackMaximum(int track) const;
  // The plug-in uses track values unchecked, so the host never stores one
  // outside the descriptor's range. False (and nothing stored) when out of range.
  bool SetTrackValue(int track, int32_t value);
  // A check item whose default is negative is a push button, which keeps no value.
  bool IsPushButton(int check) const { return record_.checkDefaults[check] < 0; }
  int32_t CheckValue(int check) const { return checkValues_[check]; }
  void SetCheckValue(int check, bool checked) { checkValues_[check] = checked ? 1 : 0; }

  bool initialised() const { return state_ == State::kInitialised; }
  // Fills the window and instance slots, then calls the initialisation callback.
  void Init(HWND window, HINSTANCE instance);
  // Calls the update callback with status 0 (all values) or with the status
  // of one track (0x10000 + its index). Only between Init and Exit.
  void UpdateAll();
  void UpdateTrack(int track);
  // Forwards one message of the filter window; 0 when the filter is not live
  // or has no window-message callback.
  int32_t WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  bool hasProjectHooks() const;
  // The project data as the save hook writes it: measured first with a null
  // buffer, then written into a buffer of that size.
  bool SaveProject(std::vector<uint8_t>& bytes, std::string& error);
  bool LoadProject(const std::vector<uint8_t>& bytes, std::string& error);

  void Exit();

 private:
  enum class State { kLoaded, kInitialised, kExited };

  FilterRecord record_;
  std::vector<int32_t> trackValues_;
  std::vector<int32_t> checkValues_;
  HostFunctionTable functionTable_;
  State state_ = State::kLoaded;
};

// The largest project block the host accepts from a plug-in or a file.
constexpr int32_t kMaxProjectBytes = 64 * 1024 * 1024;
