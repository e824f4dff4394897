#include "lua/script_repaint_hook.h"

namespace {
ScriptReplacedGradationHook g_hook = nullptr;
}

void SetScriptReplacedGradationHook(ScriptReplacedGradationHook hook) { g_hook = hook; }

void NotifyScriptReplacedGradation(int32_t id) {
  if (g_hook != nullptr) g_hook(id);
}
