#include "host_report.h"

#include <cstdio>

#include "host_strings.h"

void HostReporter::Error(const std::string& message) {
  failed_ = true;
  std::fprintf(stderr, "velumbra-host: error: %s\n", message.c_str());
  std::fflush(stderr);
  if (interactive_) {
    MessageBoxA(owner_, message.c_str(), host_strings::kMessageCaption, MB_OK | MB_ICONERROR);
  }
}

void HostReporter::Warning(const std::string& message) {
  std::fprintf(stderr, "velumbra-host: warning: %s\n", message.c_str());
  std::fflush(stderr);
  if (interactive_) {
    MessageBoxA(owner_, message.c_str(), host_strings::kMessageCaption, MB_OK | MB_ICONWARNING);
  }
}
