// A small modal list of a file's gradients, from which the user picks the
// one to load.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The chosen line's index, or nothing when the user cancels. The lines are
// UTF-8 and shown through the wide-character API, so any script reads right.
std::optional<size_t> ChooseGradient(HWND owner, const std::vector<std::string>& lines);
