// The main window's undo and redo: each user action becomes one step of the
// template history, and a step undone or redone shows as any command does.
#include <optional>
#include <string>
#include <utility>

#include "mainwin/main_window.h"

namespace qm {
namespace {

bool HoldsItem(const TItemRecord& item) {
  return item.Name.View().find_first_not_of(' ') != std::string_view::npos;
}

}  // namespace

TfrmGearMain::HistoryStep::HistoryStep(TfrmGearMain& window, std::string action, bool coalesce)
    : window_(window),
      action_(std::move(action)),
      coalesce_(coalesce),
      outermost_(window.stepDepth_++ == 0) {
  if (outermost_ && !action_.empty()) {
    before_ = window_.RecordToSave();
    fileBefore_ = window_.currentFile_;
  }
}

void TfrmGearMain::HistoryStep::Finish() {
  if (std::exchange(finished_, true)) return;
  --window_.stepDepth_;
  if (!outermost_) return;
  if (!action_.empty())
    window_.history_.Record(action_, before_, window_.RecordToSave(), coalesce_, fileBefore_,
                            window_.currentFile_);
  window_.UpdateEditMenu();
}

TTemplateRecord TfrmGearMain::RecordToSave() const {
  TTemplateRecord tpl = tpl_;
  tpl.CharName.Assign(view_.NameText);
  if (view_.Server.Selection >= 0)
    tpl.ServerType = static_cast<std::uint8_t>(view_.Server.Selection);
  if (view_.Class.Selection >= 0) tpl.ClassIndex = static_cast<std::uint8_t>(view_.Class.Selection);
  if (view_.Race.Selection >= 0) tpl.RaceIndex = static_cast<std::uint8_t>(view_.Race.Selection);
  return tpl;
}

void TfrmGearMain::MarkUnchanged() {
  unchanged_ = true;
  history_.MarkSaved();
}

void TfrmGearMain::UpdateEditMenu() {
  const MenuItemState undo{history_.CanUndo() ? "&Undo " + history_.UndoAction() : "&Undo", false,
                           history_.CanUndo(), true};
  const MenuItemState redo{history_.CanRedo() ? "&Redo " + history_.RedoAction() : "&Redo", false,
                           history_.CanRedo(), true};
  if (undo.Caption == view_.Undo.Caption && undo.Enabled == view_.Undo.Enabled &&
      redo.Caption == view_.Redo.Caption && redo.Enabled == view_.Redo.Enabled)
    return;
  view_.Undo = undo;
  view_.Redo = redo;
  NotifyViewChanged();
}

void TfrmGearMain::Undo() {
  WalkHistory(false);
}

void TfrmGearMain::Redo() {
  WalkHistory(true);
}

// Not while a sub-window works on the template or a command runs: the step
// would land in the middle of another one.
void TfrmGearMain::WalkHistory(bool forward) {
  if (!Idle() || !(forward ? history_.CanRedo() : history_.CanUndo())) return;
  const ViewBatch batch(*this);
  const TTemplateRecord shown = RecordToSave();
  TTemplateRecord record = shown;
  std::optional<std::string> file;
  forward ? history_.Redo(record, &file) : history_.Undo(record, &file);
  tpl_ = record;
  if (file) {
    currentFile_ = *file;
    hasFileName_ = !file->empty();
  }
  // Items back in their slots make a class change ask again.
  for (const TItemRecord& item : tpl_.Slots) itemsPlaced_ = itemsPlaced_ || HoldsItem(item);
  if (history_.AtSaved()) {
    MarkUnchanged();
  } else {
    MarkChanged();
  }
  SetSaveEnabled(!tpl_.CharName.View().empty());
  UpdateEditMenu();
  // A race changed back is described as picking it would describe it.
  const bool classChanged = shown.ClassIndex != tpl_.ClassIndex;
  ShowRecord({.Name = true,
              .Class = classChanged,
              .Race = classChanged || shown.RaceIndex != tpl_.RaceIndex});
}

}  // namespace qm
