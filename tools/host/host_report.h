// Where the host's diagnostics go: always the console, and in interactive
// use also a message box, since the user may have no console to look at.
#pragma once

#include <windows.h>

#include <string>

class HostReporter {
 public:
  explicit HostReporter(bool interactive) : interactive_(interactive) {}
  void set_owner(HWND owner) { owner_ = owner; }

  void Error(const std::string& message);
  void Warning(const std::string& message);
  bool failed() const { return failed_; }

 private:
  bool interactive_;
  HWND owner_ = nullptr;
  bool failed_ = false;
};
