#include "filter/preset_menu.h"

#include <string>

#include "editor/canvas_raster.h"
#include "editor/ui_strings.h"
#include "filter/control_ids.h"
#include "interchange/source_gradient.h"
#include "persist/whole_file.h"

namespace {

constexpr int32_t kStripWidth = 64;
constexpr int32_t kStripHeight = 12;

HMODULE ThisLibrary() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ThisLibrary), &module);
  return module;
}

// "<folder of the library>\presets\", or empty when the path is unknown.
std::string UserPresetFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(ThisLibrary(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string folder(path, length);
  const size_t slash = folder.find_last_of("\\/");
  if (slash == std::string::npos) return {};
  return folder.substr(0, slash + 1) + "presets\\";
}

std::vector<PresetBytes> UserPresets() {
  std::vector<PresetBytes> presets;
  const std::string folder = UserPresetFolder();
  if (folder.empty()) return presets;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.grd").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return presets;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    // The pattern also matches 8.3 aliases such as "*.grdx"; the name decides.
    const std::string name = PresetNameOfFile(found.cFileName);
    std::string bytes;
    if (name.empty() || ReadWholeFile((folder + found.cFileName).c_str(), kMaxInterchangeBytes,
                                      bytes) != FileReadStatus::Read) {
      continue;
    }
    presets.push_back({name, std::move(bytes)});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return presets;
}

// The gradient over the editor's checkerboard, opaque for menus that honour
// a 32-bit bitmap's alpha.
HBITMAP StripBitmap(const GradationData& gradation) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kStripWidth;
  info.bmiHeader.biHeight = -kStripHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  std::vector<uint32_t> pixels;
  RenderGradationStrip(gradation, kStripWidth, kStripHeight, pixels);
  auto* out = static_cast<uint32_t*>(bits);
  for (size_t i = 0; i < pixels.size(); ++i) out[i] = pixels[i] | 0xFF000000u;
  GdiFlush();
  return bitmap;
}

}  // namespace

PresetMenu::PresetMenu() : items_(ListPresets(BuiltinPresetBytes(), UserPresets())) {}

PresetMenu::~PresetMenu() {
  for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
}

void PresetMenu::AppendTo(HMENU menu, bool enabled) {
  HMENU submenu = CreatePopupMenu();
  if (submenu == nullptr) return;
  for (size_t i = 0; i < items_.size() && kMenuPresetFirst + i <= kMenuPresetLast; ++i) {
    const PresetItem& item = items_[i];
    if (item.separator) {
      AppendMenuA(submenu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
    info.wID = static_cast<UINT>(kMenuPresetFirst + i);
    info.dwTypeData = const_cast<char*>(item.name.c_str());
    info.hbmpItem = StripBitmap(item.gradation);
    if (info.hbmpItem != nullptr) bitmaps_.push_back(info.hbmpItem);
    InsertMenuItemA(submenu, GetMenuItemCount(submenu), TRUE, &info);
  }
  const UINT state = enabled && !items_.empty() ? MF_ENABLED : MF_GRAYED;
  AppendMenuA(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu),
              ui_strings::kMenuPresets);
}

const GradationData* PresetMenu::Chosen(uint16_t command) const {
  if (command < kMenuPresetFirst || command > kMenuPresetLast) return nullptr;
  const size_t i = command - kMenuPresetFirst;
  return i < items_.size() && !items_[i].separator ? &items_[i].gradation : nullptr;
}
