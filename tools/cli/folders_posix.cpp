#include <sys/stat.h>
#include <unistd.h>

#include "folders.h"

PathKind QueryPath(const char* path) {
  struct stat status;
  if (stat(path, &status) != 0) return PathKind::Missing;
  return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::Other;
}

bool MakeFolder(const char* path) { return mkdir(path, 0777) == 0; }

bool RemoveEmptyFolder(const char* path) { return rmdir(path) == 0; }
