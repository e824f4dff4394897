// Whole files as bytes: read with a size limit, written so that a failure
// never costs the file that was there.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class FileReadStatus { Read, Unreadable, TooLarge };

// The file's bytes; TooLarge (and `bytes` left empty) past `maxBytes`.
FileReadStatus ReadWholeFile(const char* path, size_t maxBytes, std::string& bytes);

// Up to `count` of the file's first bytes; false when it cannot be read.
bool ReadFileHead(const char* path, size_t count, std::string& bytes);

// Writes a new file beside the target and then puts it in the target's place,
// so a failed save (disk full, read-only target) leaves any existing file as
// it was, and no temporary file behind.
bool WriteFileAtomically(const char* path, std::string_view bytes);
