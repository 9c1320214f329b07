#include "ui/window_registry.h"

#include "ui/sub_window_table.h"

namespace qm::ui {

void WindowRegistry::Set(std::string_view window, Opener open) {
  windows_.insert_or_assign(std::string(window), std::move(open));
}

bool WindowRegistry::Has(std::string_view window) const {
  if (window == kWorkbenchWindow) return static_cast<bool>(workbench_);
  const auto found = windows_.find(window);
  return found != windows_.end() && found->second;
}

std::string WindowRegistry::MissingTip(std::string_view window) {
  const SubWindowEntry* entry = FindSubWindow(window);
  const std::string what =
      entry ? std::string(entry->what) : "window \"" + std::string(window) + '"';
  return "The " + what + " is not available in this version yet.";
}

void WindowRegistry::Open(std::string_view window, const SubWindowRequest& request) {
  const auto found = windows_.find(window);
  if (found != windows_.end() && found->second) found->second(request);
}

WorkbenchOutcome WindowRegistry::RunWorkbench(const WorkbenchRequest& request,
                                              const SlotPreview& preview) {
  if (workbench_) return workbench_(request, preview);
  return {false, request.StartingItem};
}

}  // namespace qm::ui
