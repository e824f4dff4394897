// The two folder operations --all needs, whose form differs between Windows
// and POSIX. Paths are passed to the system as the C runtime's fopen takes
// them (the ANSI code page on Windows, which velumbra.exe's manifest makes
// UTF-8), so a folder and the files written into it are named alike.
#pragma once

enum class PathKind { Missing, Folder, Other };

PathKind QueryPath(const char* path);

// One level: the parent must exist. False if it cannot be made.
bool MakeFolder(const char* path);

// Only an empty folder; false otherwise.
bool RemoveEmptyFolder(const char* path);
