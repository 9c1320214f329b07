#pragma once
// The main window TfrmGearMain without its widgets: the current template and
// its lifecycle, the character box, the nineteen slot rows, the figures, the
// menus and the side panel. Every command updates View(); the window layer
// copies it into the widgets (found by the object names used here).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/char_attributes.h"
#include "core/template_record.h"
#include "core/web_addresses.h"
#include "engine/totals.h"
#include "mainwin/template_history.h"
#include "mainwin/totals_display.h"
#include "ports/ports.h"
#include "ports/sub_windows.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "report/slot_summary.h"
#include "shell/options_menu.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/vault_choice.h"
#include "workbench/item_search.h"

namespace qm {

inline constexpr const char* kProductName = "Quillmark Classic v1.118.0.2";

struct SlotRowView {
  ControlState Button;  // b<Slot>
  LabelState Name;      // n<Slot>
  LabelState Utility;   // u<Slot>
};

struct MainWindowView {
  std::string Title;
  // Character box.
  std::string NameText;  // eName
  int NameCaret = 0;
  bool NameEnabled = true;
  ComboState Level;      // "5" .. "50"
  ComboState RealmRank;  // "RR1" .. "RR13"
  ComboState Class;
  ComboState Race;
  ComboState Server;
  CheckState Champion;  // "Cham&p Level 3+"
  // Equipment slots.
  std::array<SlotRowView, kSlotCount> Slots;
  LabelState UtilityTotal;
  ComboState Weapon;  // rWepType
  ControlState ClearAll;
  // Figures.
  TotalsDisplay Figures;
  // Menus and quick bar.
  MenuItemState Save, SaveAs, Report;
  MenuItemState ExportTemplate;                 // ExportTemplate1, enabled with Save As
  MenuItemState CompareTemplate, CompareSaved;  // CompareTemplate1, CompareSaved1
  MenuItemState Undo, Redo;                     // "&Undo Change Level", "&Redo Clear All Items"
  std::array<MenuItemState, 5> Recent;
  bool RecentMenuVisible = false;
  OptionsMenuChecks OptionChecks;
  VaultChoiceMenu UseBundledVault;  // UseBundledVault1 and its tip
  bool QuickbarVisible = true;
  bool UtilityVisible = true;
  bool StartMaximized = true;
  // Side panel.
  std::string StatBoxCaption = "Item Stats";
  std::vector<std::string> InfoLines;  // InfoLabel
  ItemLabels SummaryLabels;
  std::string ActiveControl;
};

// The object names of a slot's controls ("bChest", "nChest", "uChest").
std::string SlotObjectName(char prefix, int slot);

// Every command announces its change of View() once, and so do the changes
// other windows make through it: the workbench's live preview, the vault
// browser's equip, a hand-over from a second copy, the options dialog.
class TfrmGearMain : public StartupMainWindow, public ViewNotifier {
 public:
  TfrmGearMain(Settings& settings, UserPort& user, FileDialogPort& files, ShellPort& shell,
               ItemWorkbenchPort& workbench, SubWindowPort& windows);

  const MainWindowView& View() const { return view_; }
  const TTemplateRecord& Template() const { return tpl_; }
  const TCharAttributes& Attributes() const { return attributes_; }
  const TotalsAndCaps& LastTotals() const { return totals_; }

  // Lifecycle state.
  bool Unchanged() const { return unchanged_; }
  bool HasFileName() const { return hasFileName_; }
  const std::string& CurrentFile() const { return currentFile_; }
  const std::string& PendingFile() const { return pendingFile_; }
  bool ItemsPlaced() const { return itemsPlaced_; }
  // Idle: no command runs (one may be waiting for the user's answer) and no
  // sub-window works on the template. Undo, redo and hand-overs wait for it.
  bool Idle() const { return busyDepth_ == 0 && stepDepth_ == 0; }
  int UtilityMode() const { return utilityMode_; }
  // The vault's mark that saved templates carry (set once the vault is loaded).
  void SetVaultMark(std::uint8_t mark) { vaultMark_ = mark; }

  // Start-up and the hand-over from a second copy (the shell's receiver
  // checks IsIdle and refuses with its message while a sub-window is open).
  void StartUp(const std::optional<std::string>& parameter) override;
  void FirstShow();
  bool IsIdle() const override { return Idle(); }
  void SetPendingFile(const std::string& path) override { pendingFile_ = path; }
  void LoadPendingFile() override;

  // Template lifecycle.
  void NewTemplate();
  void LoadTemplate();
  bool SaveTemplate();  // true when the file was written
  bool SaveTemplateAs();
  // Another planner's template (Zenkcraft, Loki, Kort's), read as a new
  // unsaved template; what it could not carry is shown after loading.
  void ImportTemplate();
  // The template written as a Zenkcraft .znk; what that format cannot hold
  // is shown after writing.
  void ExportTemplate();
  void ChooseRecent(int entry);  // 1..5
  void UpdateRecentMenu();
  void ChangeName(const std::string& text, int caret);
  void ChangeLevel(const std::string& text);
  void ChangeRealmRank(int index);
  bool QueryClose();  // true when the window may close
  void SetDefaultServerType(int type);

  // Character operations.
  void ChangeClass(int classIndex);  // the user picks a class
  void ChangeRace(int comboIndex);
  void RaceMouseEnter();
  void ChangeServerType(int serverType);  // the user picks a server type
  void SetChampion(bool checked);

  // Slot commands.
  // autoReturn: the vault browser's equip command asks the workbench to
  // return the first entry with that name at once.
  void OpenSlot(int slot, const AutoReturnRequest& autoReturn = {});
  void PreviewSlot(int slot, const TItemRecord& item);
  void ClearSlot(int slot);
  void ClearAllSlots();
  void SetWeaponConfig(int index);

  // Options, utility column and windows.
  void ToggleOption(SettingToggle toggle, bool checked);
  void CycleUtilityMode();
  void ChooseUtilityMode(int mode);
  void ToggleUtilityDisplay();
  void RegisterFiles();
  // "&Use Bundled Vault": flips which vault the next start loads.
  void ToggleBundledVault();
  // Looks again whether the player has a vault of their own, which offers
  // "&Use Bundled Vault"; for whatever has just written that vault.
  void UpdateVaultMenu();
  void OpenReport();
  // The comparison window: the current template against a file the user
  // picks, against its own file on disk, or against the file at path.
  void CompareWithTemplate();
  void CompareWithSavedFile();
  void CompareWithFile(const std::string& path);
  void OpenVaultBrowser();
  void OpenSalvageCalculator();
  void OpenVaultBuild() { windows_.Open("vaultbuild", {}); }
  void OpenItemImport() { windows_.Open("import", {}); }
  void OpenOptions();
  void OpenWebSite();
  void OpenHerald();
  void OpenAbout() { windows_.Open("about", {}); }
  void OpenQuickbarExport() { windows_.Open("quickbar", QuickbarRequest{tpl_}); }
  // The optimizer over the template; a proposal the player accepts comes
  // back through ApplyOptimizedTemplate.
  void OpenOptimizeTemplate();
  // The proposal's slots in place as one history step, "Optimize Template".
  void ApplyOptimizedTemplate(const TTemplateRecord& proposal);

  // Hover panels: a figure label with its tag, and a slot's name or measure label.
  void StatEnter(int tag, bool senderIsLabel = true);
  void ItemMouseEnter(int slot);
  void SetActiveControl(const std::string& objectName);

  void Recalc();

  // The template history: one step per user action. New and Load start a
  // fresh one; undoing back to the saved state marks the template unchanged.
  void Undo();
  void Redo();
  const TemplateHistory& History() const { return history_; }
  // The record a save writes: the template with the character box's choices.
  TTemplateRecord RecordToSave() const;

 private:
  // Makes the outermost command one history step named action; the commands
  // it runs inside add none of their own. An empty action records nothing
  // (New and Load, which start a fresh history instead).
  class HistoryStep {
   public:
    HistoryStep(TfrmGearMain& window, std::string action, bool coalesce = false);
    HistoryStep(const HistoryStep&) = delete;
    HistoryStep& operator=(const HistoryStep&) = delete;
    ~HistoryStep() { Finish(); }
    // Ends the step now, inside the command's view batch.
    void Finish();

   private:
    TfrmGearMain& window_;
    std::string action_;
    bool coalesce_;
    bool outermost_;
    bool finished_ = false;
    TTemplateRecord before_{};
    std::string fileBefore_;
  };

  // Keeps the window busy while a sub-window it opened works.
  class BusyScope {
   public:
    explicit BusyScope(TfrmGearMain& window) : window_(window) { ++window_.busyDepth_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { --window_.busyDepth_; }

   private:
    TfrmGearMain& window_;
  };

  // What of the view a change of tpl_ reaches beyond the character box's
  // selections, the champion box, the weapon choice, the slot rows and the
  // figures, which every change shows anew.
  struct RecordParts {
    bool Name = false;   // the name box and the title
    bool Class = false;  // the class's skill rows and race list, and so the race
    bool Race = false;   // the race's bonuses and its lines in the side panel
  };
  // The one road from the record to the view: load, undo and redo, and every
  // command that changes the character show tpl_ through it.
  void ShowRecord(RecordParts parts);
  void ShowRace(int position);
  // A command changed the record: it is unsaved, may be saved, and shows.
  void ShowChangedRecord(RecordParts parts);

  enum class LoadOrigin { Dialog, Recent, HandOver };
  // chosen: a path picked already (Import Template), else the origin's own.
  void DoLoad(LoadOrigin origin, int recentEntry, std::string chosen = {});
  // The dialog that picks a template (or an old template) to read.
  FileDialogRequest TemplateOpenRequest(std::string title);
  bool AskSaveFirst(const char* message, const char* goOnCaption);
  // The "Make Compatible?" question before a class or server change that
  // could remove items; true when the change goes on.
  bool ConfirmCompatibleChange(const char* message, const char* cancelCaption);
  void FillRaceCombo();
  void SetSaveEnabled(bool enabled);
  void ShowUtilityColumn(bool visible);
  void MarkChanged();
  void MoveRecentToTop(int entry);
  void PushRecent(const std::string& path);
  void ResetTemplateState();
  void SetTitle(const std::string& name);
  void UpdateCompareMenu();
  void MarkUnchanged();
  void WalkHistory(bool forward);  // one step back or forward
  void UpdateEditMenu();
  bool SlotButtonsActive() const;

  Settings& settings_;
  UserPort& user_;
  FileDialogPort& files_;
  ShellPort& shell_;
  ItemWorkbenchPort& workbench_;
  SubWindowPort& windows_;

  TTemplateRecord tpl_;
  TCharAttributes attributes_;
  TotalsAndCaps totals_{};
  MainWindowView view_;

  bool unchanged_ = true;
  bool hasFileName_ = true;
  std::string currentFile_;
  std::string pendingFile_;
  bool itemsPlaced_ = false;
  int busyDepth_ = 0;
  int utilityMode_ = 0;
  std::uint8_t vaultMark_ = 0;
  std::string saveProposal_;
  TemplateHistory history_;
  int stepDepth_ = 0;
};

}  // namespace qm
