// The filter descriptor the host reads through GetFilterTable.
#include "filter/filter_callbacks.h"
#include "filter/host_interface.h"
#include "filter/ui_strings.h"
#include "lua/lua_runtime.h"
#include "persist/project_hooks.h"

namespace {

const char* const kTrackNames[] = {ui_strings::kTrackId};
const int32_t kTrackDefaults[] = {1};
const int32_t kTrackMinimums[] = {1};
const int32_t kTrackMaximums[] = {50};
const char* const kCheckNames[] = {ui_strings::kLoadButton, ui_strings::kSaveButton};
const int32_t kCheckDefaults[] = {-1, -1};  // both are push buttons

constexpr FilterRecord MakeDescriptor() {
  FilterRecord d = {};
  d.flags = 0x00044004;
  d.windowWidth = 0x30000000;
  d.windowHeight = 0x300000AC;  // 172 pixels
  d.name = ui_strings::kFilterName;
  d.trackCount = 1;
  d.trackNames = kTrackNames;
  d.trackDefaults = kTrackDefaults;
  d.trackMinimums = kTrackMinimums;
  d.trackMaximums = kTrackMaximums;
  d.checkCount = 2;
  d.checkNames = kCheckNames;
  d.checkDefaults = kCheckDefaults;
  d.init = InitFilter;
  d.exit = ExitFilter;
  d.update = UpdateFilter;
  d.windowMessage = FilterWindowProc;
  d.information = ui_strings::kInformation;
  d.projectLoad = LoadProjectData;
  d.projectSave = SaveProjectData;
  return d;
}

// Built at compile time: loading the library runs nothing for it.
constexpr FilterRecord kDescriptor = MakeDescriptor();
FilterRecord g_descriptor = kDescriptor;

}  // namespace

extern "C" VELUMBRA_EXPORT FilterRecord* __cdecl GetFilterTable() { return &g_descriptor; }
