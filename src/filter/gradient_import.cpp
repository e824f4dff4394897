#include "filter/gradient_import.h"

#include <new>
#include <optional>
#include <utility>

#include "editor/file_choices.h"
#include "filter/editor_state.h"
#include "filter/gradient_chooser.h"
#include "interchange/gradient_files.h"

LoadOutcome LoadGradientFileInto(int32_t index, const char* path, HWND owner,
                                 BankChangeReason reason, std::string* failure) {
  // Nothing may escape into the window procedure, not even running out of
  // memory on a file of many gradients.
  try {
    ImportResult imported = ImportGradientFile(path);
    if (!imported.ok()) {
      if (failure != nullptr) *failure = LoadFailureMessage(imported);
      return LoadOutcome::Failed;
    }
    size_t chosen = 0;
    if (imported.gradients.size() > 1) {
      const std::optional<size_t> pick = ChooseGradient(owner, ChooserLabels(imported.gradients));
      if (!pick) return LoadOutcome::Cancelled;
      chosen = *pick;
    }
    StoreLoadedGradation(index, std::move(imported.gradients[chosen].gradation), reason);
    return LoadOutcome::Stored;
  } catch (const std::bad_alloc&) {
    if (failure != nullptr) failure->clear();  // the caller says only that loading failed
    return LoadOutcome::Failed;
  }
}
