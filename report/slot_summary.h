#pragma once
// The slot item summary: when the mouse enters a slot's name or measure
// label, the side panel sums up that slot's item in the short item labels of
// StatBox and, with section headers, in InfoLabel. A pure function of the item
// and the character's best armour grade.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/item_record.h"
#include "report/stat_breakdown.h"

namespace qm {

// The short item labels of StatBox. A blank label holds one blank " ".
struct ItemLabels {
  std::array<std::string, kBonusRows> stat;  // stat1 .. stat10
  std::string statAbs;
  std::string statAF;
  std::string statLevel;
  std::string statQuality;
  std::string statProc1;
  std::string statProc2;
};

struct SlotSummaryView {
  PanelText Panel;
  // The item labels to show; nullopt for the empty item, which leaves the
  // labels as they were.
  std::optional<ItemLabels> Labels;
};

// maxArmour: the class's best armour grade, 0 cloth .. 4 plate.
SlotSummaryView SlotSummary(const TItemRecord& item, int maxArmour);

}  // namespace qm
