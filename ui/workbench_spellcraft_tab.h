#pragma once
// The "&Spellcraft" tab of the item workbench: level, absorb and fifth-slot
// selectors, the item name with "&Autonaming", four gem rows (archetype
// archtype<k>, bonus scFake<k>, value cs<k>) and the "Spellcraft Information"
// panel with each gem's cost, the high gem, the bonus level, the charge in
// its colour, the imbue capacity and the maximum overcharge. The crafter's
// skill box eSkill and the item quality cQuality decide the overcharge
// success chance ocsuccess shown under the charge.
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "ui/view_binding.h"
#include "workbench/item_search.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;
class QPushButton;

namespace qm::ui {

class WorkbenchSpellcraftTab : public QWidget {
  Q_OBJECT
 public:
  WorkbenchSpellcraftTab(TfrmItems& model, QWidget* parent = nullptr);

  void Apply(const SpellcraftView& view);
  std::vector<QWidget*> FocusOrder() const;
  // What "Export Gems to Quickbar..." runs: the main window's template goes
  // onto the game's quickbar. Without one the button stays hidden.
  void SetQuickbarCommand(std::function<void()> command);

 private:
  struct GemRow {
    ComboBinding Archetype, Bonus, Value;
    LabelBinding Cost;
  };

  QWidget* BuildItem();
  QWidget* BuildGems();
  QWidget* BuildInformation();

  TfrmItems& model_;
  ComboBinding level_, armour_, fifth_, quality_;
  QSpinBox* skill_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* autoName_ = nullptr;
  std::array<GemRow, kGemSlotCount> gems_;
  LabelBinding highGem_, bonusLevel_, charge_, overchargeSuccess_, capacity_, maxOvercharge_;
  QPushButton *clear_ = nullptr, *undo_ = nullptr, *gemClear_ = nullptr, *quickbar_ = nullptr;
  std::function<void()> quickbarCommand_;
};

}  // namespace qm::ui
