#include "host_system_info.h"

#include <cstring>

namespace {

HFONT g_uiFont = nullptr;
bool g_ownsUiFont = false;

int32_t __cdecl QuerySystemInfo(void*, HostSystemInfo* info) {
  if (info == nullptr) return 0;
  std::memset(info, 0, sizeof *info);
  info->uiFont = HostUiFont();
  return info->uiFont != nullptr ? 1 : 0;
}

}  // namespace

HostFunctionTable MakeHostFunctionTable() {
  HostFunctionTable table;
  std::memset(&table, 0, sizeof table);
  table.querySystemInfo = QuerySystemInfo;
  return table;
}

HFONT HostUiFont() {
  if (g_uiFont != nullptr) return g_uiFont;
  NONCLIENTMETRICSA metrics;
  std::memset(&metrics, 0, sizeof metrics);
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    g_uiFont = CreateFontIndirectA(&metrics.lfMessageFont);
    g_ownsUiFont = g_uiFont != nullptr;
  }
  if (g_uiFont == nullptr) g_uiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return g_uiFont;
}

void ReleaseHostUiFont() {
  if (g_ownsUiFont) DeleteObject(g_uiFont);
  g_uiFont = nullptr;
  g_ownsUiFont = false;
}
