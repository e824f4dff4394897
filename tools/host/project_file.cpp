#include "project_file.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "filter_host.h"

namespace {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = "cannot open " + path;
    return false;
  }
  bytes.clear();
  uint8_t chunk[65536];
  size_t got = 0;
  bool tooLarge = false;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > static_cast<size_t>(kMaxProjectBytes)) {
      tooLarge = true;
      break;
    }
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (tooLarge) {
    error = path + " is larger than " + std::to_string(kMaxProjectBytes) + " bytes";
    return false;
  }
  if (failed) {
    error = "cannot read " + path;
    return false;
  }
  return true;
}

bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                        std::string& error) {
  const std::string temporary = path + ".saving";
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot create " + temporary;
    return false;
  }
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(temporary.c_str());
    error = "cannot write " + temporary;
    return false;
  }
  if (!MoveFileExA(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = GetLastError();
    std::remove(temporary.c_str());
    error = "cannot replace " + path + " (error " + std::to_string(code) + ")";
    return false;
  }
  return true;
}

}  // namespace

bool SaveProjectFile(FilterHost& filter, const std::string& path, std::string& error) {
  std::vector<uint8_t> bytes;
  std::string why;
  if (!filter.SaveProject(bytes, why)) {
    error = "project not saved to " + path + ": " + why;
    return false;
  }
  return WriteFileReplacing(path, bytes, error);
}

bool LoadProjectFile(FilterHost& filter, const std::string& path, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  std::string why;
  if (!filter.LoadProject(bytes, why)) {
    error = "project not loaded from " + path + ": " + why;
    return false;
  }
  return true;
}
