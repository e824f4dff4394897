// The shown gradation on the clipboard: its exact record under a private
// format for another Velumbra window, and CSS text for everything else.
#pragma once

#include <windows.h>

#include <optional>

#include "model/gradation.h"

// Empties the clipboard and puts both formats on it; false if it was busy.
bool CopyGradationToClipboard(HWND owner, const GradationData& gradation);
bool ClipboardMayHoldGradation();
// The private record first; otherwise text read as CSS or SVG (the first
// gradient). Nothing when neither gives a gradation.
std::optional<GradationData> GradationFromClipboard(HWND owner);
