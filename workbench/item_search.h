#pragma once
// The item workbench window TfrmItems: opened for one template slot, it fills
// that slot by searching the vault ("&Load Item"), by typing bonuses
// ("Inline E&ditor") or by designing a crafted item ("&Spellcraft"), shows
// the current choice live in the main window, and closes with OK and an item
// or with Cancel.
//
// How the main window runs it (its slot command):
//   1. build a WorkbenchRequest for the slot (starting item, slot filter
//      index, flags, search name, the character and the settings, and the
//      vault browser's auto-return request if one is pending);
//   2. call ItemWorkbenchPort::RunWorkbench with it and a SlotPreview that
//      puts an item into the slot and recalculates; the workbench calls it
//      for every change the user should see at once, never with a crafted
//      design over its limit;
//   3. put the outcome's Item into the slot whatever the answer: on OK it is
//      the returned item, on Cancel the item the slot held when the window
//      opened (even after "&Previous Item" changed the starting item), so
//      Cancel undoes the live preview.
// The desktop program implements the port by showing the window modally over
// this model (Open, the user's events, FormPaint on the first paint);
// RunWorkbenchHeadless serves openings that take no input.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "core/template_record.h"
#include "ports/ports.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "spellcraft/spellcraft_calculator.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"
#include "workbench/inline_editor.h"

namespace qm {

inline constexpr const char* kNeedSelectedItem = "An item must be selected to use this feature";
inline constexpr std::string_view kListingDesignCaption = "Item Listing and Searching";
inline constexpr std::string_view kProcFilterFirstEntry = "<Proc Filter>";

// The character the workbench serves, read from the current template.
struct WorkbenchCharacter {
  int ClassIndex = 0;  // 0..46; anything else is no class
  int Level = 50;
  int ServerType = kNormal;
  bool ChampionLevel3 = false;  // the main window's "Cham&p Level 3+" box

  static WorkbenchCharacter Of(const TTemplateRecord& tpl, bool championLevel3 = false);
};

// The settings the workbench reads.
struct WorkbenchSettings {
  bool VerifiedOnly = false;            // "Show only &Verified"
  bool ForceFifthSlot = false;          // "&Force Fifth Slot Calculation"
  std::string StartFolder;              // where the item file dialogs open
  int CraftSkill = kDefaultCraftSkill;  // the spellcraft tab's skill box
};

// The vault browser's equip command: return the first entry that begins with
// this name at once, or cancel when there is none.
struct AutoReturnRequest {
  std::string Name;
  bool Active = false;
};

// Everything one opening needs; the main window's slot command fills it.
struct WorkbenchRequest {
  int Slot = kChest;  // 1..19
  TItemRecord StartingItem = EmptyItem();
  int SlotFilterIndex = 0;  // the slot kind the vault search asks for
  bool Crafted = false;     // the slot may hold a crafted item: "&Spellcraft" is offered
  bool Myth = false;
  bool ArmourSlot = false;  // Chest .. Feet: the armour filter is enabled
  bool WeaponSlot = false;  // R. Hand .. Ranged: the weapon filter is enabled
  std::string SearchName;   // the starting item's name, or empty
  AutoReturnRequest AutoReturn;
  WorkbenchCharacter Character;
  WorkbenchSettings Settings;
};

struct WorkbenchOutcome {
  bool Ok = false;
  TItemRecord Item = EmptyItem();  // the returned item on OK, the slot's own item on Cancel
  // The spellcraft tab's skill as the window closed, when the tab was offered;
  // the caller keeps it in the settings, whichever button closed the window.
  std::optional<int> CraftSkill{};
};

// Puts an item into the template slot being edited and recalculates.
using SlotPreview = std::function<void(int slot, const TItemRecord& item)>;

// What the main window's slot command calls.
class ItemWorkbenchPort {
 public:
  virtual ~ItemWorkbenchPort() = default;
  virtual WorkbenchOutcome RunWorkbench(const WorkbenchRequest& request,
                                        const SlotPreview& preview) = 0;
};

enum class WorkbenchMode { kLoad = 1, kInline = 2, kSpellcraft = 3 };
enum class WorkbenchTab { kLoad, kInline, kSpellcraft };
enum class DefaultButton { kReturn, kSearch };

// The filter controls of the Load Item tab.
enum class SearchFilter { kItemType, kStat1, kStat2, kStat3, kArmour, kWeapon, kProc };

struct ItemsWindowView {
  WorkbenchTab ActiveTab = WorkbenchTab::kLoad;
  ControlState SpellcraftTab;  // SC: "&Spellcraft"
  ControlState InlineTab;      // the "Inline E&ditor" tab

  LabelState ListingCaption{std::string(kListingDesignCaption)};  // the listing group's caption
  ListState Items;                                                // LItems
  std::vector<int> Indices;  // the vault number beside each name
  MemoState ItemMemo;        // ItemMemo

  ComboState ItemType{{}, 0};               // Filt1
  std::array<ComboState, 3> Stats;          // Filt2, filt3, filt4
  std::array<TextBoxState, 3> StatAmounts;  // stat1amt .. stat3amt
  ComboState Armour{{}, 0, false};          // ArmorFilt
  ComboState Weapon{{}, 0, false};          // WeaponFilt
  ComboState Proc{{}, 0};                   // ProcFilter
  ControlState CopyStats;                   // btnCopyStats: "Edi&t Item Stats Directly"

  ControlState Return{false};  // btnReturn: "&Return Item"
  DefaultButton Default = DefaultButton::kReturn;
  std::string FocusedControl;
};

// Every command announces once. The two tabs' models announce through the
// workbench: the window installs its callback here only and tells which tab
// changed by the revisions of Editor() and Spellcraft(). The live preview
// into the main window goes out once per command, with its last item.
class TfrmItems : public ViewNotifier {
 public:
  TfrmItems(const Vault& vault, TVaultFilter& criteria, UserPort& user, FileDialogPort& files,
            ShellPort& shell);
  TfrmItems(const TfrmItems&) = delete;
  TfrmItems& operator=(const TfrmItems&) = delete;

  // Takes the inputs of one opening and opens the window (FormShow).
  void Open(const WorkbenchRequest& request, SlotPreview preview);
  void FormShow();
  // The first paint: an auto-return opening returns or cancels here.
  void FormPaint();

  // Tabs.
  void ActivateTab(WorkbenchTab tab);
  void LoadEnter();
  void EditEnter();
  void SCEnter();

  // Load Item tab.
  void DirectoryChange();  // "&Search"
  void SelectEntry(int row);
  void LItemsClick();
  void LItemsDblClick(int row);
  void FilterChange(SearchFilter filter, int position);
  static bool InlineStatPress(char key) { return AmountBoxAccepts(key); }
  AmountBoxEdit statamtChange(int box, std::string_view text, int caret);  // box 0..2
  void stat1amtDblClick(int box);
  void btnCopyStatsClick();  // "Edi&t Item Stats Directly"
  void nAllakhazam();        // "Search Allakha&zam"
  void nGoogle();            // "Searc&h Google"

  // Inline editor tab; its rows are edited through Editor().
  void RoGClick();           // "&Make RoG"
  void btnExportClick();     // "Export QMX"
  void btnImportQMXClick();  // "Import QMX/QMI/XML"

  // The preview of the current mode.
  void DisplayInMain();

  // Closing.
  void btnReturnClick();
  void btnCancelClick();
  void btnEmptyClick();
  void btnPrevClick();
  // The title bar or the keyboard: counts as Cancel.
  void FormCloseQuery();

  // Default button and focus.
  void ItemLoadHolderMouseEnter();
  void ItemLoadHolderMouseLeave();
  void MouseHover(std::string_view control);

  InlineEditor& Editor() { return editor_; }
  const InlineEditor& Editor() const { return editor_; }
  SpellcraftCalculator& Spellcraft() { return spellcraft_; }
  const SpellcraftCalculator& Spellcraft() const { return spellcraft_; }

  ItemsWindowView View() const;
  WorkbenchMode Mode() const { return mode_; }
  bool Closed() const { return closed_; }
  const WorkbenchOutcome& Outcome() const { return outcome_; }
  const TItemRecord& SelectedItem() const { return selectedItem_; }
  const TItemRecord& PreviewItem() const { return previewItem_; }
  const TItemRecord& StartingItem() const { return request_.StartingItem; }
  const std::string& SearchName() const { return searchName_; }
  // The realm the last search asked for (3: every realm).
  int SearchRealm() const { return searchRealm_; }

  // The previous-item history of slot 1..19, kept for the whole run.
  const TItemRecord& LastReturned(int slot) const { return lastReturned_[slot - 1]; }
  const TItemRecord& ReturnedBefore(int slot) const { return returnedBefore_[slot - 1]; }

 private:
  void ResetFilters();
  // The three bonus filters and their minimum boxes are enabled together.
  void EnableStatFilters(bool enabled);
  bool StatFiltersEnabled() const { return view_.Stats[0].Enabled; }
  void EnterMode(WorkbenchMode mode, WorkbenchTab tab);
  void WritePreview(const TItemRecord& item);
  void Close(bool ok, const TItemRecord& item);
  std::string SelectedText() const;
  SpellcraftContext CraftContext() const;
  bool SlotValid() const { return request_.Slot >= 1 && request_.Slot <= kSlotCount; }

  const Vault& vault_;
  TVaultFilter& criteria_;
  UserPort& user_;
  FileDialogPort& files_;
  ShellPort& shell_;

  WorkbenchRequest request_;
  // The slot's item as the caller handed it over; "&Previous Item" replaces
  // the starting item, never this.
  TItemRecord slotItem_ = EmptyItem();
  SlotPreview preview_;
  std::string searchName_;
  InlineEditor editor_;
  SpellcraftCalculator spellcraft_;
  ItemsWindowView view_;
  WorkbenchMode mode_ = WorkbenchMode::kLoad;
  bool returnEnabled_ = false;
  int searchRealm_ = 3;
  int foundEntry_ = -1;  // the entry the last search found by the search name
  bool painted_ = false;
  bool closed_ = false;
  WorkbenchOutcome outcome_;

  TItemRecord selectedItem_ = EmptyItem();
  TItemRecord previewItem_ = EmptyItem();
  std::array<TItemRecord, kSlotCount> lastReturned_{};
  std::array<TItemRecord, kSlotCount> returnedBefore_{};
};

// Runs an opening that takes no input (the vault browser's equip command):
// opens, paints once, and closes with whatever the auto-return decided; an
// opening that would wait for the user counts as cancelled.
WorkbenchOutcome RunWorkbenchHeadless(TfrmItems& window, const WorkbenchRequest& request,
                                      const SlotPreview& preview);

}  // namespace qm
