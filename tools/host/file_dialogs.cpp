#include "file_dialogs.h"

#include <commdlg.h>

namespace {

std::string RunDialog(HWND owner, const char* filter, const char* defaultExtension, bool save) {
  char path[MAX_PATH] = "";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = defaultExtension;
  dialog.Flags = OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  return chosen ? std::string(path) : std::string();
}

}  // namespace

std::string AskFileToOpen(HWND owner, const char* filter) {
  return RunDialog(owner, filter, nullptr, false);
}

std::string AskFileToSave(HWND owner, const char* filter, const char* defaultExtension) {
  return RunDialog(owner, filter, defaultExtension, true);
}
