// .grd files: one gradation record each, nothing before it; bytes after the
// record are ignored. Both operations act on a bank gradation by index
// (0..49, the ID minus one) and leave it unchanged when they fail.
#pragma once

#include <cstdint>

// False when the file cannot be opened or read, or holds no whole record.
bool LoadGradationFile(const char* path, int32_t bankIndex);

// Writes a new file beside the target and then puts it in the target's place,
// so a failed save (disk full, read-only target) leaves any existing file as
// it was.
bool SaveGradationFile(const char* path, int32_t bankIndex);
