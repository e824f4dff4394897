// .grd files: one gradation record each, nothing before it; bytes after the
// record are ignored. Where a loaded gradation goes is the caller's business.
#pragma once

#include "model/gradation.h"

// Fills `gradation` from the file. False, with `gradation` unchanged, when the
// file cannot be opened or read, or holds no whole record.
bool LoadGradationFile(const char* path, GradationData& gradation);

// Writes a new file beside the target and then puts it in the target's place,
// so a failed save (disk full, read-only target) leaves any existing file as
// it was.
bool SaveGradationFile(const char* path, const GradationData& gradation);
