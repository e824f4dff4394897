#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "persist/file_system.h"

FILE* OpenForReading(const char* path) { return std::fopen(path, "rb"); }

FILE* CreateNewFile(const char* path) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  FILE* file = fdopen(fd, "wb");
  if (file == nullptr) close(fd);
  return file;
}

bool FlushToStorage(FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool ReplaceFileWith(const char* target, const char* source) {
  // rename() needs only the folder to be writable. A file its owner made
  // read-only stays as it is, as Windows keeps a read-only file, even for root.
  struct stat status;
  if (stat(target, &status) == 0 &&
      ((status.st_mode & S_IWUSR) == 0 || access(target, W_OK) != 0)) {
    return false;
  }
  return std::rename(source, target) == 0;
}
