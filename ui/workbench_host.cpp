#include "ui/workbench_host.h"

#include <charconv>

#include "mainwin/main_window.h"
#include "ui/desktop.h"
#include "ui/item_workbench_dialog.h"
#include "ui/window_registry.h"

namespace qm::ui {

std::optional<WorkbenchShot> ParseWorkbenchWindow(std::string_view name) {
  constexpr std::string_view kPrefix = "workbench:";
  if (!name.starts_with(kPrefix)) return std::nullopt;
  name.remove_prefix(kPrefix.size());
  const std::size_t colon = name.find(':');
  const std::string_view slotText = name.substr(0, colon);
  WorkbenchShot shot;
  const auto parsed =
      std::from_chars(slotText.data(), slotText.data() + slotText.size(), shot.Slot);
  if (parsed.ec != std::errc() || parsed.ptr != slotText.data() + slotText.size() ||
      shot.Slot < 1 || shot.Slot > kSlotCount)
    return std::nullopt;
  if (colon == std::string_view::npos) return shot;
  const std::string_view tab = name.substr(colon + 1);
  if (tab == "load") {
    shot.Tab = WorkbenchTab::kLoad;
  } else if (tab == "editor") {
    shot.Tab = WorkbenchTab::kInline;
  } else if (tab == "spellcraft") {
    shot.Tab = WorkbenchTab::kSpellcraft;
  } else {
    return std::nullopt;
  }
  return shot;
}

WorkbenchHost::WorkbenchHost(const Vault& vault, TVaultFilter& criteria, UserPort& user,
                             FileDialogPort& files, ShellPort& shell)
    : model_(vault, criteria, user, files, shell) {}

WorkbenchHost::~WorkbenchHost() = default;

ItemWorkbenchDialog& WorkbenchHost::Dialog() {
  if (!dialog_) {
    dialog_.Make(model_, parent_);
    if (quickbarCommand_) dialog_->SetQuickbarCommand(quickbarCommand_);
  }
  return *dialog_;
}

void WorkbenchHost::Register(WindowRegistry& windows) {
  windows.SetWorkbench([this](const WorkbenchRequest& request, const SlotPreview& preview) {
    return Show(request, preview);
  });
}

WorkbenchOutcome WorkbenchHost::Show(const WorkbenchRequest& request, const SlotPreview& preview) {
  if (!shot_) return Dialog().Run(request, preview);
  ItemWorkbenchDialog& dialog = Dialog();
  dialog.Open(request, preview);
  if (shot_->Shot.Tab) model_.ActivateTab(*shot_->Shot.Tab);
  shot_->Written = RenderWidgetToPng(dialog, shot_->Size, shot_->Path);
  model_.btnCancelClick();
  return model_.Outcome();
}

int WorkbenchHost::RenderScreenshot(TfrmGearMain& main, const WorkbenchShot& shot,
                                    const std::string& path, QSize size) {
  shot_ = PendingShot{shot, path, size, false};
  main.OpenSlot(shot.Slot);
  const bool written = shot_->Written;
  shot_.reset();
  return written ? 0 : 1;
}

}  // namespace qm::ui
