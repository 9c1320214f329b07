#pragma once
// What the main window asks of the other windows. The desktop program backs
// these with its windows; tests and the CLI with scripted fakes.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/item_record.h"
#include "core/template_record.h"

namespace qm {

// Everything the item workbench needs to open for one slot.
struct WorkbenchRequest {
  int Slot = 0;             // 1..19
  int SlotKind = 0;         // the workbench slot kind (slot-kind list index)
  TItemRecord Item{};       // a copy of the slot's item
  std::string SearchName;   // the item's name, to find it in the list; empty for none
  bool Craftable = false;   // the slot may hold a spellcrafted item
  bool Myth = false;        // the Myth slot: no inline editor
  bool ArmourSlot = false;  // Chest .. Feet
  bool WeaponSlot = false;  // R. Hand .. Ranged
};

// Shows an item in a slot of the current template while the workbench runs.
using PreviewFunction = std::function<void(int slot, const TItemRecord& item)>;

class WorkbenchPort {
 public:
  virtual ~WorkbenchPort() = default;
  // Runs the workbench modally: the item on "&Return Item", nullopt on cancel.
  virtual std::optional<TItemRecord> RunWorkbench(const WorkbenchRequest& request,
                                                  const PreviewFunction& preview) = 0;
  // The two template snapshots the workbench keeps (reset on New, Load and
  // class or server changes).
  virtual void ResetSnapshots(const TTemplateRecord& tpl) = 0;
  // Item level of newly designed crafted armour and weapons.
  virtual void SetDefaultCraftedLevel(int level) = 0;
};

// What the report window reads from the main window.
struct ReportRequest {
  TTemplateRecord Template{};
  std::string ClassText;
  int RaceIndex = 0;
  std::string RaceText;
  std::array<std::string, kSlotCount> UtilityTexts;
};

class SubWindowPort {
 public:
  virtual ~SubWindowPort() = default;
  virtual void ShowReport(const ReportRequest& request) = 0;
  virtual void ShowVaultBrowser() = 0;
  virtual void ShowSalvageCalculator() = 0;
  virtual void ShowOptions() = 0;
};

}  // namespace qm
