// File names made from gradient names, for writing each gradient of a pack as
// its own file: the same name is safe to create in one folder on Windows and
// on POSIX systems, and never leads out of that folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One "NAME.extension" per gradient name, in order, no two alike even where
// letter case is ignored. NAME keeps the gradient's UTF-8 text, less what a
// file name cannot hold (see the convert command's --help); a name with
// nothing left is "gradient-N", N counting from 1.
std::vector<std::string> SafeFileNames(const std::vector<std::string>& gradientNames,
                                       std::string_view extension);
