#include <windows.h>

#include "folders.h"

PathKind QueryPath(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::Other;
}

bool MakeFolder(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }

bool RemoveEmptyFolder(const char* path) { return RemoveDirectoryA(path) != 0; }
