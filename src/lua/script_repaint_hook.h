// The editor registers here while it exists, to repaint at once when a script
// replaces the bank gradation it shows. Without an editor nothing is told.
#pragma once

#include <cstdint>

using ScriptReplacedGradationHook = void (*)(int32_t id);

void SetScriptReplacedGradationHook(ScriptReplacedGradationHook hook);
void NotifyScriptReplacedGradation(int32_t id);
