#include "filter/gradation_dialogs.h"

#include <commdlg.h>

#include <cstdint>
#include <string>

#include "editor/file_choices.h"
#include "editor/ui_strings.h"
#include "filter/editor_state.h"
#include "filter/gradient_import.h"
#include "interchange/gradient_files.h"
#include "model/banks.h"

namespace {

static_assert(sizeof(OPENFILENAMEA) == (sizeof(void*) == 4 ? 88 : 152),
              "the dialog record of its full size");

OPENFILENAMEA DialogRecord(HWND owner, const char* filter, char* path, DWORD flags) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
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

// The dialog asked about replacing the name it returned, not about one with
// an extension added since.
bool MayWrite(HWND owner, const SaveTarget& target) {
  if (!target.extensionAdded ||
      GetFileAttributesA(target.path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  const std::string question = target.path + ui_strings::kReplaceQuestion;
  return MessageBoxA(owner, question.c_str(), ui_strings::kMessageCaption,
                     MB_YESNO | MB_ICONWARNING) == IDYES;
}

}  // namespace

bool LoadGradationWithDialog(FilterRecord* filter) {
  const int32_t index = Editor().canvas.currentIndex;
  char path[MAX_PATH] = {};
  const std::string types = LoadFileFilter();
  OPENFILENAMEA dialog = DialogRecord(Owner(filter), types.c_str(), path, OFN_FILEMUSTEXIST);
  if (!GetOpenFileNameA(&dialog)) return false;
  std::string failure;
  switch (LoadGradientFileInto(index, path, Owner(filter), BankChangeReason::File, &failure)) {
    case LoadOutcome::Stored:
      return true;
    case LoadOutcome::Cancelled:
      return false;
    case LoadOutcome::Failed:
      break;
  }
  ReportFailure(Owner(filter), failure.empty() ? ui_strings::kLoadFailed : failure.c_str());
  return false;
}

bool SaveGradationWithDialog(FilterRecord* filter) {
  const int32_t index = Editor().canvas.currentIndex;
  char path[MAX_PATH] = {};
  const std::string types = SaveFileFilter();
  OPENFILENAMEA dialog = DialogRecord(Owner(filter), types.c_str(), path, OFN_OVERWRITEPROMPT);
  dialog.lpstrDefExt = SaveDefaultExtension();
  if (!GetSaveFileNameA(&dialog)) return false;
  const SaveTarget target = SaveTargetFor(path, dialog.nFilterIndex);
  if (!MayWrite(Owner(filter), target)) return false;
  if (!SaveGradientFile(target.path.c_str(), GradationBank[index], target.format,
                        ExportedGradientName(index + 1))) {
    ReportFailure(Owner(filter), ui_strings::kSaveFailed);
    return false;
  }
  return true;
}
