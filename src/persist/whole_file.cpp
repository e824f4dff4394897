#include "persist/whole_file.h"

#include <cerrno>
#include <cstdio>

#include "persist/file_system.h"

namespace {

// A new file in the target's folder, so that the final replace is a rename
// within one volume.
FILE* CreateFileBeside(const char* target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = std::string(target) + "~" + std::to_string(attempt) + ".tmp";
    if (FILE* file = CreateNewFile(name.c_str())) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

FileReadStatus ReadWholeFile(const char* path, size_t maxBytes, std::string& bytes) {
  bytes.clear();
  if (path == nullptr) return FileReadStatus::Unreadable;
  FILE* file = OpenForReading(path);
  if (file == nullptr) return FileReadStatus::Unreadable;
  // Read in pieces rather than trusting a size the file reports: a folder or
  // a device reports none that holds.
  std::string read;
  char chunk[65536];
  FileReadStatus status = FileReadStatus::Read;
  for (;;) {
    const size_t got = std::fread(chunk, 1, sizeof chunk, file);
    if (read.size() + got > maxBytes) {
      status = FileReadStatus::TooLarge;
      break;
    }
    read.append(chunk, got);
    if (got < sizeof chunk) {
      if (std::ferror(file)) status = FileReadStatus::Unreadable;
      break;
    }
  }
  std::fclose(file);
  if (status == FileReadStatus::Read) bytes.swap(read);
  return status;
}

bool ReadFileHead(const char* path, size_t count, std::string& bytes) {
  bytes.clear();
  if (path == nullptr) return false;
  FILE* file = OpenForReading(path);
  if (file == nullptr) return false;
  std::string read(count, '\0');
  read.resize(std::fread(read.data(), 1, count, file));
  const bool ok = !std::ferror(file);
  std::fclose(file);
  if (ok) bytes.swap(read);
  return ok;
}

bool WriteFileAtomically(const char* path, std::string_view bytes) {
  if (path == nullptr) return false;
  std::string temporary;
  FILE* file = CreateFileBeside(path, temporary);
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = FlushToStorage(file) && written;
  written = std::fclose(file) == 0 && written;
  if (written && ReplaceFileWith(path, temporary.c_str())) return true;
  std::remove(temporary.c_str());
  return false;
}
