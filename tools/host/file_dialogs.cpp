#include "file_dialogs.h"

#include <commdlg.h>

#include "cp932_text.h"

namespace {

std::string RunDialog(HWND owner, const char* filter, size_t filterSize,
                      const char* defaultExtension, bool save) {
  const std::wstring wideFilter = WideFromCp932(filter, filterSize);
  const std::wstring wideExtension = WideFromCp932(defaultExtension);
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = wideFilter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = wideExtension.empty() ? nullptr : wideExtension.c_str();
  dialog.Flags = OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? AnsiFromWide(path) : std::string();
}

}  // namespace

std::string AskFileToOpen(HWND owner, const char* filter, size_t filterSize) {
  return RunDialog(owner, filter, filterSize, nullptr, false);
}

std::string AskFileToSave(HWND owner, const char* filter, size_t filterSize,
                          const char* defaultExtension) {
  return RunDialog(owner, filter, filterSize, defaultExtension, true);
}
