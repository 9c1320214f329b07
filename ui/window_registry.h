#pragma once
// The sub-windows as the main window reaches them, each by its name in the
// window table (ui/sub_window_table.h). A window registers itself here once
// it exists; until then its commands stay disabled in the main window with a
// status tip saying so, instead of doing nothing.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ports/sub_windows.h"
#include "workbench/item_search.h"

namespace qm::ui {

// The item workbench: opened by the slot buttons, it answers through a port
// of its own.
inline constexpr std::string_view kWorkbenchWindow = "workbench";

class WindowRegistry : public SubWindowPort, public ItemWorkbenchPort {
 public:
  using Opener = std::function<void(const SubWindowRequest&)>;
  using Workbench = std::function<WorkbenchOutcome(const WorkbenchRequest&, const SlotPreview&)>;

  // The window the main window opens by this name; a later one replaces it.
  void Set(std::string_view window, Opener open);
  // The item workbench, which hands the slot's item back ("workbench").
  void SetWorkbench(Workbench show) { workbench_ = std::move(show); }

  bool Has(std::string_view window) const;
  // The status tip of a command whose window is missing.
  static std::string MissingTip(std::string_view window);

  void Open(std::string_view window, const SubWindowRequest& request) override;
  // Without a workbench the slot keeps its item, as after Cancel.
  WorkbenchOutcome RunWorkbench(const WorkbenchRequest& request,
                                const SlotPreview& preview) override;

 private:
  Workbench workbench_;
  std::map<std::string, Opener, std::less<>> windows_;
};

}  // namespace qm::ui
