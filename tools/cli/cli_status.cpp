#include "cli_status.h"

#include <cstdio>

void ReportProblem(const std::string& what, const std::string& cause) {
  std::fprintf(stderr, "velumbra: %s: %s\n", what.c_str(), cause.c_str());
}
