// The main window's optimizer commands: the template, as saving would write
// it, handed to the Optimize Template window, and a proposal the player
// accepts put in place as one step of the history.
#include "mainwin/main_window.h"

namespace qm {

void TfrmGearMain::OpenOptimizeTemplate() {
  if (view_.Class.Selection < 0) return;
  OptimizeTemplateRequest request;
  request.Template = RecordToSave();
  request.CraftSkill = settings_.Record().CraftSkill;
  request.Apply = [this](const TTemplateRecord& proposal) { ApplyOptimizedTemplate(proposal); };
  const BusyScope busy(*this);
  windows_.Open("optimize", request);
}

// Only the slots: the character and the weapon choice stay as the player set them.
void TfrmGearMain::ApplyOptimizedTemplate(const TTemplateRecord& proposal) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Optimize Template");
  for (int slot = 1; slot <= kSlotCount; ++slot) tpl_.Slot(slot) = proposal.Slot(slot);
  itemsPlaced_ = true;
  ShowChangedRecord({});
}

}  // namespace qm
