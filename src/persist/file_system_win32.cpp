#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstdio>

#include "persist/file_system.h"

FILE* OpenForReading(const char* path) {
  FILE* file = nullptr;
  if (fopen_s(&file, path, "rb") != 0) return nullptr;
  return file;
}

FILE* CreateNewFile(const char* path) {
  const int fd = _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  FILE* file = _fdopen(fd, "wb");
  if (file == nullptr) _close(fd);
  return file;
}

bool FlushToStorage(FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool ReplaceFileWith(const char* target, const char* source) {
  // Windows refuses to replace a read-only file, but not every implementation
  // of the call does; the check keeps the refusal ours.
  const DWORD attributes = GetFileAttributesA(target);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
