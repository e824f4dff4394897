#include "filter/gradation_dialogs.h"

#include <commdlg.h>

#include <cstdint>
#include <utility>

#include "filter/editor_state.h"
#include "filter/ui_strings.h"
#include "model/banks.h"
#include "persist/gradation_file.h"

namespace {

static_assert(sizeof(OPENFILENAMEA) == (sizeof(void*) == 4 ? 88 : 152),
              "the dialog record of its full size");

OPENFILENAMEA DialogRecord(HWND owner, char* path, DWORD flags) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = ui_strings::kFileFilter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = flags;
  return dialog;
}

void ReportFailure(HWND owner, const char* text) {
  MessageBoxA(owner, text, ui_strings::kMessageCaption, MB_OK | MB_ICONERROR);
}

HWND Owner(const FilterRecord* filter) {
  return filter != nullptr ? filter->window : Editor().window;
}

}  // namespace

bool LoadGradationWithDialog(FilterRecord* filter) {
  const int32_t index = Editor().canvas.currentIndex;
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog = DialogRecord(Owner(filter), path, OFN_FILEMUSTEXIST);
  if (!GetOpenFileNameA(&dialog)) return false;
  GradationData loaded;
  if (!LoadGradationFile(path, loaded)) {
    ReportFailure(Owner(filter), ui_strings::kLoadFailed);
    return false;
  }
  StoreLoadedGradation(index, std::move(loaded), BankChangeReason::File);
  return true;
}

bool SaveGradationWithDialog(FilterRecord* filter) {
  const int32_t index = Editor().canvas.currentIndex;
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog = DialogRecord(Owner(filter), path, OFN_OVERWRITEPROMPT);
  dialog.lpstrDefExt = ui_strings::kDefaultExtension;
  if (!GetSaveFileNameA(&dialog)) return false;
  if (!SaveGradationFile(path, GradationBank[index])) {
    ReportFailure(Owner(filter), ui_strings::kSaveFailed);
    return false;
  }
  return true;
}
