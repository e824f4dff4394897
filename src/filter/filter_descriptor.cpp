// The filter descriptor the host reads through GetFilterTable.
#include "editor/ui_strings.h"
#include "filter/filter_callbacks.h"
#include "filter/host_interface.h"
#include "filter/project_callbacks.h"
#include "editor/ui_strings.h"

namespace {

// The flag word the host reads: bits 0x4, 0x4000 and 0x40000.
constexpr int32_t kDescriptorFlags = 0x4 | 0x4000 | 0x40000;
// A window size request: the high bits mark the slot as a request and the
// low bits carry the pixels. The width asks for none of its own.
constexpr int32_t kSizeRequest = 0x30000000;
constexpr int32_t kWindowHeightPixels = 172;  // the canvas and the panel

const char* const kTrackNames[] = {ui_strings::kTrackId};
const int32_t kTrackDefaults[] = {1};
const int32_t kTrackMinimums[] = {1};
const int32_t kTrackMaximums[] = {50};
const char* const kCheckNames[] = {ui_strings::kLoadButton, ui_strings::kSaveButton};
const int32_t kCheckDefaults[] = {-1, -1};  // both are push buttons

constexpr FilterRecord MakeDescriptor() {
  FilterRecord d = {};
  d.flags = kDescriptorFlags;
  d.windowWidth = kSizeRequest;
  d.windowHeight = kSizeRequest | kWindowHeightPixels;
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
