// Linked into the soak test's copy of the library only: reads the bank and the
// editor's record without changing either.
#include "bank_probe.h"

#include <cstdio>
#include <set>
#include <vector>

#include "filter/editor_state.h"
#include "model/banks.h"
#include "model/stop_list.h"

namespace {

// The first broken rule of one track's list, or false.
template <typename Stop>
bool ListBroken(const std::vector<Stop>& stops, const char* where, int32_t id, char* problem,
                size_t size) {
  std::set<int32_t> serials;
  for (size_t i = 0; i < stops.size(); ++i) {
    if (!serials.insert(stops[i].serial).second) {
      std::snprintf(problem, size, "ID %d %s: serial %d twice", id, where, stops[i].serial);
      return true;
    }
    if (i > 0 && stop_list::InStopOrder(stops[i], stops[i - 1])) {
      std::snprintf(problem, size, "ID %d %s: stop %zu (%g) out of order after %g", id, where, i,
                    static_cast<double>(stops[i].position),
                    static_cast<double>(stops[i - 1].position));
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" __declspec(dllexport) void VelumbraBankProbe(BankProbe* probe) {
  *probe = BankProbe{};
  for (int32_t id = 1 - kScratchSize; id <= kBankSize; ++id) {
    const GradationData* g = GradationById(id);
    if (g == nullptr) continue;
    if (ListBroken(g->colorStops, "colour", id, probe->problem, sizeof probe->problem) ||
        ListBroken(g->alphaStops, "opacity", id, probe->problem, sizeof probe->problem)) {
      break;
    }
  }
  EditorState& editor = Editor();
  const GradationData* shown = ShownGradation(editor.canvas);
  if (shown == nullptr) return;
  probe->shownId = editor.canvas.currentIndex + 1;
  if (const EditHistory* history = editor.histories.ForId(probe->shownId)) {
    probe->canUndo = history->CanUndo();
    probe->canRedo = history->CanRedo();
  }
  const StopSelection& color = editor.canvas.selected[StopTrack::Color];
  const int32_t colorIndex = color.valid ? FindColorStop(*shown, color.serial) : -1;
  if (colorIndex >= 0) {
    const ColorStop& stop = shown->colorStops[static_cast<size_t>(colorIndex)];
    probe->colorSelected = 1;
    probe->color = PackedFromStop(stop);
    probe->colorPosition = stop.position;
  }
  const StopSelection& alpha = editor.canvas.selected[StopTrack::Alpha];
  const int32_t alphaIndex = alpha.valid ? FindAlphaStop(*shown, alpha.serial) : -1;
  if (alphaIndex >= 0) {
    const AlphaStop& stop = shown->alphaStops[static_cast<size_t>(alphaIndex)];
    probe->alphaSelected = 1;
    probe->opacity = stop.opacity;
    probe->alphaPosition = stop.position;
  }
}
