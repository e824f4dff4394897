// The few file operations whose form differs between Windows and POSIX; the
// reading and writing itself uses the C runtime's streams on both.
#pragma once

#include <cstdio>

// Binary reading; null on failure.
FILE* OpenForReading(const char* path);

// Creates `path` for binary writing; null if it exists already (errno EEXIST)
// or cannot be created.
FILE* CreateNewFile(const char* path);

// Flushes the stream and has the system put its data on disk, so that a
// replace cannot leave an empty file behind after a power loss.
bool FlushToStorage(FILE* file);

// Puts `source` in place of `target` in one step. Fails, changing neither,
// when the target is read-only.
bool ReplaceFileWith(const char* target, const char* source);
