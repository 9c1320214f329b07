// The main window's construction, recalculation and template lifecycle.
#include "mainwin/main_window.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/file_io.h"
#include "core/item_lists.h"
#include "core/template_file.h"
#include "core/text.h"
#include "engine/item_measures.h"
#include "interop/template_open.h"

namespace qm {
namespace {

constexpr const char* kSaveFirstTitle = "Save Character First?";
constexpr const char* kUtilityHint = "Click to change display";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::string BaseName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// A character name without the characters a file name cannot hold, and the
// caret moved back over those removed before it.
std::pair<std::string, int> FileSafeName(const std::string& text, int caret) {
  std::string name;
  int newCaret = caret;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (std::string_view("/\\?*:<>|\".").find(c) != std::string_view::npos) {
      if (static_cast<int>(i) < caret) --newCaret;
      continue;
    }
    name += c;
  }
  return {name, std::clamp(newCaret, 0, static_cast<int>(name.size()))};
}

// A record read from a file as the window takes it: a name a file can hold,
// the level and realm rank within their lists, the champion levels only at
// level 50 (with the Myth slot emptied below it), and the armour and jewel
// items in the kinds of their slots (weapons keep their own).
void TakeLoadedRecord(TTemplateRecord& tpl) {
  tpl.CharName.Assign(FileSafeName(tpl.CharName.Str(), 0).first);
  tpl.CharLevel = static_cast<std::uint8_t>(std::clamp<int>(tpl.CharLevel, 5, 50));
  tpl.RealmRank = static_cast<std::uint8_t>(std::clamp<int>(tpl.RealmRank, 1, 13));
  tpl.ChampionFlag = tpl.ChampionFlag == 1 && tpl.CharLevel == 50 ? 1 : 0;
  if (tpl.CharLevel != 50) InitItem(tpl.Slot(kMyth));
  for (int slot = 1; slot <= kFeet; ++slot)
    tpl.Slot(slot).SlotKind = static_cast<std::uint8_t>(SlotKindOf(slot));
}

ComboState NumberedCombo(int first, int last, const std::string& prefix) {
  ComboState combo;
  for (int n = first; n <= last; ++n) combo.Entries.push_back(prefix + std::to_string(n));
  return combo;
}

}  // namespace

std::string SlotObjectName(char prefix, int slot) {
  std::string name(1, prefix);
  for (char c : SlotName(slot))
    if (c != ' ' && c != '.') name += c;
  return name;  // "bChest", "nRHand", "u2Hand", "bRing1"
}

TfrmGearMain::TfrmGearMain(Settings& settings, UserPort& user, FileDialogPort& files,
                           ShellPort& shell, ItemWorkbenchPort& workbench, SubWindowPort& windows)
    : settings_(settings),
      user_(user),
      files_(files),
      shell_(shell),
      workbench_(workbench),
      windows_(windows),
      tpl_(EmptyTemplate()) {
  view_.Title = std::string(kProductName) + " - [ No Character ]";
  view_.Level = NumberedCombo(5, 50, "");
  view_.RealmRank = NumberedCombo(1, 13, "RR");
  for (int c = 0; c < kClassTableSize; ++c) view_.Class.Entries.emplace_back(ClassOf(c).Text);
  for (std::string_view server : ServerTypeList()) view_.Server.Entries.emplace_back(server);
  for (int config = 0; config < 5; ++config)
    view_.Weapon.Entries.emplace_back(WeaponConfigText(config));
  view_.Figures = InitialTotalsDisplay();
  for (auto& row : view_.Slots) {
    row.Name.Text = " ";
    row.Utility.Text = "0.0";
    row.Utility.Hint = kUtilityHint;
    row.Utility.HintEnabled = true;
  }
  view_.UtilityTotal.Text = "Total Utility : 0.0";
  view_.UtilityTotal.Hint = kUtilityHint;
  view_.UtilityTotal.HintEnabled = true;
  view_.Save.Caption = "&Save Template";
  view_.SaveAs.Caption = "Save Template &as";
  view_.Report.Caption = "Create Template &Report";
  view_.CompareTemplate.Caption = "Compare with &Template\x85";
  view_.CompareSaved.Caption = "Compare with Sa&ved File";
  view_.CompareSaved.Enabled = false;
  for (auto& item : view_.Recent) item.Visible = false;
  for (std::size_t i = 0; i < ItemLabels{}.stat.size(); ++i) view_.SummaryLabels.stat[i] = " ";
}

void TfrmGearMain::Recalc() {
  totals_ = ComputeTotals(tpl_);
  RecalcTotalsDisplay(view_.Figures, tpl_, attributes_, totals_);
  const UtilityColumn utility = ShowUtility(tpl_, utilityMode_);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotRowView& row = view_.Slots[static_cast<std::size_t>(slot - 1)];
    const TItemRecord& item = tpl_.Slot(slot);
    row.Name.Text = item.Name.Str();
    row.Utility.Text = utility.SlotTexts[static_cast<std::size_t>(slot - 1)];
    row.Name.Colour = ItemTypeColour(item.ItemType);
  }
  view_.UtilityTotal.Text = utility.TotalText;
  UpdateCompareMenu();
  NotifyViewChanged();
}

// ---- Lifecycle -----------------------------------------------------------

void TfrmGearMain::SetTitle(const std::string& name) {
  view_.Title = std::string(kProductName) + " - [ " + name + " ]";
}

void TfrmGearMain::SetSaveEnabled(bool enabled) {
  view_.Save.Enabled = enabled;
  view_.SaveAs.Enabled = enabled;
  view_.ExportTemplate.Enabled = enabled;
}

// The only two writers of the unsaved-changes mark: MarkChanged here and
// MarkUnchanged beside the history it tells it was saved.
void TfrmGearMain::MarkChanged() {
  unchanged_ = false;
}

bool TfrmGearMain::SlotButtonsActive() const {
  return view_.Slots[0].Button.Enabled;
}

// The unsaved-changes question of New and Load. Only a completed save lets
// "&Save" go on: a cancelled or failed save keeps the template open.
bool TfrmGearMain::AskSaveFirst(const char* message, const char* goOnCaption) {
  if (unchanged_) return true;
  switch (user_.AskUser(message, kSaveFirstTitle, "&Save", goOnCaption, "&Cancel", "")) {
    case Answer::Ok:
      return SaveTemplate();
    case Answer::Cancel:
      return true;
    default:
      return false;
  }
}

void TfrmGearMain::ResetTemplateState() {
  InitTemplate(tpl_);
  history_.Reset();
  InitStatBlock(totals_.Totals);
  InitStatBlock(totals_.Caps);
}

void TfrmGearMain::NewTemplate() {
  const ViewBatch batch(*this);
  const HistoryStep fresh(*this, "");
  if (!AskSaveFirst("Changes have been made, do you wish to save before starting a new character?",
                    "&New Character"))
    return;
  ResetTemplateState();
  tpl_.CharName.Assign("New Character");
  tpl_.CharLevel = 50;
  tpl_.RealmRank = static_cast<std::uint8_t>(std::clamp<int>(tpl_.RealmRank, 1, 13));
  tpl_.ClassIndex = 0;
  tpl_.ServerType = static_cast<std::uint8_t>(settings_.Record().Server);
  tpl_.RaceIndex = 0;
  tpl_.ChampionFlag = 1;

  view_.NameEnabled = true;
  for (auto& row : view_.Slots) {
    row.Name.Enabled = true;
    row.Button.Enabled = true;
  }
  itemsPlaced_ = false;
  view_.Weapon.Enabled = true;
  view_.Report.Enabled = true;
  view_.ClearAll.Enabled = true;
  hasFileName_ = false;
  currentFile_.clear();
  SetSaveEnabled(true);
  ShowRecord({.Name = true, .Class = true, .Race = true});

  view_.StatBoxCaption = "Item Stats";
  view_.InfoLines.clear();
  MarkUnchanged();
  view_.ActiveControl = "eName";
}

void TfrmGearMain::LoadTemplate() {
  DoLoad(LoadOrigin::Dialog, 0);
}

FileDialogRequest TfrmGearMain::TemplateOpenRequest(std::string title) {
  FileDialogRequest request;
  request.Title = std::move(title);
  request.Filter = "Quillmark Character File (*.qmc)|*.qmc|Old Templates (*.qmy)|*.qmy";
  request.DefaultExtension = "qmc";
  request.InitialFolder = settings_.TemplateFolder();
  request.FileMustExist = true;
  return request;
}

void TfrmGearMain::DoLoad(LoadOrigin origin, int recentEntry, std::string chosen) {
  const ViewBatch batch(*this);
  const HistoryStep fresh(*this, "");
  if (!AskSaveFirst("Changes have been made, do you wish to save before loading a new character?",
                    "&Load"))
    return;

  std::string path = !chosen.empty()                ? std::move(chosen)
                     : origin == LoadOrigin::Dialog ? ""
                                                    : pendingFile_;
  if (path.empty()) {
    path = files_.AskOpenPath(TemplateOpenRequest("Load Character"));
    if (path.empty()) return;
    if (!FileExists(path)) {
      user_.ShowMessage("File not found...");
      return;
    }
  }

  const std::string lower = Lower(path);
  bool oldTemplate = false;
  if (Contains(lower, ".qmc")) oldTemplate = false;
  if (Contains(lower, ".qmy")) oldTemplate = true;
  // Another planner's template is read whole before anything changes, so a
  // file it cannot read leaves the template as it was.
  std::optional<OpenedTemplate> foreign;
  if (!Contains(lower, ".qmc") && !Contains(lower, ".qmy")) {
    if (!SniffTemplateFile(path)) {
      user_.ShowMessage("Unknown file type? " + path);
      return;
    }
    auto opened = OpenAnyTemplate(path);
    if (!opened.Ok()) {
      user_.ShowMessage(opened.Error());
      return;
    }
    foreign = std::move(opened.Value());
  }

  MarkUnchanged();
  itemsPlaced_ = false;
  ResetTemplateState();
  // From here a failure leaves the reset template behind. It no longer belongs
  // to the file loaded before, so the next Save asks where to write it.
  const auto failed = [this](const std::string& message) {
    user_.ShowMessage(message);
    hasFileName_ = false;
    currentFile_.clear();
    Recalc();
  };
  if (!FileExists(path)) {
    failed("File not found?");
    return;
  }

  if (foreign) {
    tpl_ = foreign->Record;
  } else {
    auto read = oldTemplate ? ReadOldTemplateFile(path) : ReadTemplateFile(path);
    if (!read.Ok()) {
      failed(read.Error());
      return;
    }
    tpl_ = read.Value();
  }

  if (origin == LoadOrigin::Recent) {
    // Saving first at the question above may have put another file on top,
    // shifting the chosen entry down (or out): find the path again.
    auto& files = settings_.Record().Files;
    int entry = recentEntry;
    if (entry < 1 || entry > kRecentFileCount ||
        files[static_cast<std::size_t>(entry - 1)] != path) {
      const auto found = std::find(files.begin(), files.end(), path);
      entry = found == files.end() ? 0 : static_cast<int>(found - files.begin()) + 1;
    }
    if (entry == 0) {
      PushRecent(path);
    } else {
      MoveRecentToTop(entry);
    }
  } else {
    PushRecent(path);
  }
  UpdateRecentMenu();
  pendingFile_.clear();

  const bool converted = tpl_.EffectIdsGlobal != 1;
  if (converted) ConvertEffectIds(tpl_);
  const TTemplateRecord read = tpl_;
  if (tpl_.Slot(kMyth).Unique == 1) InitItem(tpl_.Slot(kMyth));
  TakeLoadedRecord(tpl_);
  if (foreign) NameRemovedItems(read, tpl_, foreign->Warnings);

  itemsPlaced_ = true;
  view_.NameEnabled = true;
  // Every name label comes back enabled here, the emptied Myth label too.
  for (auto& row : view_.Slots) {
    row.Name.Enabled = true;
    row.Button.Enabled = true;
  }
  view_.Weapon.Enabled = true;
  // Another planner's template becomes a new one, named after its
  // character: Save asks where to write it, as after New.
  currentFile_ = foreign ? "" : path;
  hasFileName_ = !foreign;
  view_.Report.Enabled = true;
  SetSaveEnabled(true);
  view_.ClearAll.Enabled = true;
  view_.Class.Enabled = true;
  view_.Server.Enabled = true;
  view_.ActiveControl = "eName";
  ShowRecord({.Name = true, .Class = true, .Race = true});
  // A converted template differs from its file until it is saved.
  if (converted || foreign) {
    MarkChanged();
  } else {
    MarkUnchanged();
  }
  if (foreign && !foreign->Warnings.empty()) {
    user_.ShowMessage(ImportWarningsText(*foreign, BaseName(path)));
  }
}

bool TfrmGearMain::SaveTemplate() {
  const ViewBatch batch(*this);
  // The save dialog and the message wait for the user: a hand-over must not
  // load another template under the one being written.
  const BusyScope busy(*this);
  tpl_ = RecordToSave();
  saveProposal_ = tpl_.CharName.Str() + ".qmc";

  // An old template is never overwritten.
  const std::string lower = Lower(currentFile_);
  if (Contains(lower, ".qmy") || !Contains(lower, ".qmc")) hasFileName_ = false;

  std::string path = currentFile_;
  if (!hasFileName_) {
    FileDialogRequest request;
    request.Title = "Create New Template";
    request.Filter = "Quillmark Characters|*.qmc";
    request.DefaultExtension = "qmc";
    request.InitialFolder = settings_.TemplateFolder();
    request.FileName = saveProposal_;
    request.PromptOverwrite = true;
    path = files_.AskSavePath(request);
    if (path.empty()) return false;
    if (!Contains(path, ".qmc")) path += ".qmc";
  }
  const Status written = WriteTemplateFile(path, tpl_, vaultMark_);
  if (!written.Ok()) {
    user_.ShowMessage(written.error);
    return false;
  }
  MarkUnchanged();
  user_.ShowMessage("Character saved : " + BaseName(path));

  auto& files = settings_.Record().Files;
  const auto same = std::find_if(files.begin(), files.end(), [&](const std::string& entry) {
    return !entry.empty() && SameTextIgnoringCase(entry, path);
  });
  if (same != files.end()) {
    MoveRecentToTop(static_cast<int>(same - files.begin()) + 1);
  } else {
    PushRecent(path);
  }
  UpdateRecentMenu();
  hasFileName_ = true;
  currentFile_ = path;
  UpdateCompareMenu();
  return true;
}

void TfrmGearMain::ImportTemplate() {
  FileDialogRequest request;
  request.Title = "Import Template";
  request.Filter =
      "Templates of other planners (*.znk;*.mmr;*.xml)|*.znk;*.mmr;*.xml|"
      "Zenkcraft templates (*.znk)|*.znk|Loki templates (*.mmr)|*.mmr|"
      "Kort's templates (*.xml)|*.xml";
  request.InitialFolder = settings_.TemplateFolder();
  request.FileMustExist = true;
  // Asked before the save question of the load, so Cancel changes nothing.
  std::string path = files_.AskOpenPath(request);
  if (path.empty()) return;
  DoLoad(LoadOrigin::Dialog, 0, std::move(path));
}

void TfrmGearMain::ExportTemplate() {
  const ViewBatch batch(*this);
  const BusyScope busy(*this);
  const TTemplateRecord record = RecordToSave();
  FileDialogRequest request;
  request.Title = "Export Template";
  request.Filter = "Zenkcraft templates (*.znk)|*.znk";
  request.DefaultExtension = "znk";
  request.InitialFolder = settings_.TemplateFolder();
  request.FileName = record.CharName.Str() + ".znk";
  request.PromptOverwrite = true;
  std::string path = files_.AskSavePath(request);
  if (path.empty()) return;
  if (!Lower(path).ends_with(".znk")) path += ".znk";
  const auto exported = qm::ExportTemplate(record, TemplateFormat::kZenkcraft);
  if (!exported.Ok()) {
    user_.ShowMessage(exported.Error());
    return;
  }
  const Status written = WriteFileAtomically(path, exported.Value().Text);
  if (!written.Ok()) {
    user_.ShowMessage(written.error);
    return;
  }
  user_.ShowMessage(ExportWarningsText(exported.Value(), BaseName(path)));
}

bool TfrmGearMain::SaveTemplateAs() {
  hasFileName_ = false;
  const bool saved = SaveTemplate();
  hasFileName_ = true;
  return saved;
}

void TfrmGearMain::MoveRecentToTop(int entry) {
  auto& files = settings_.Record().Files;
  if (entry < 2 || entry > kRecentFileCount) return;
  std::rotate(files.begin(), files.begin() + (entry - 1), files.begin() + entry);
}

// A path goes on top even when the list holds it already.
void TfrmGearMain::PushRecent(const std::string& path) {
  auto& files = settings_.Record().Files;
  std::rotate(files.rbegin(), files.rbegin() + 1, files.rend());
  files[0] = path;
}

void TfrmGearMain::ChooseRecent(int entry) {
  const ViewBatch batch(*this);
  if (entry < 1 || entry > kRecentFileCount) return;
  auto& files = settings_.Record().Files;
  const std::string path = files[static_cast<std::size_t>(entry - 1)];
  if (path.empty()) return;
  if (!FileExists(path)) {
    user_.ShowMessage("File deleted/moved, removing this item from the list");
    std::rotate(files.begin() + (entry - 1), files.begin() + entry, files.end());
    files.back().clear();
    UpdateRecentMenu();
    return;
  }
  pendingFile_ = path;
  DoLoad(LoadOrigin::Recent, entry);
}

void TfrmGearMain::UpdateRecentMenu() {
  const auto& files = settings_.Record().Files;
  for (std::size_t i = 0; i < files.size(); ++i) {
    MenuItemState& item = view_.Recent[i];
    item.Visible = !files[i].empty();
    item.Caption = item.Visible ? "&" + std::to_string(i + 1) + ". " + BaseName(files[i]) : "";
  }
  view_.RecentMenuVisible = !files[0].empty();
  NotifyViewChanged();
  settings_.SaveSettings();
}

void TfrmGearMain::ChangeName(const std::string& text, int caret) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Name", true);
  const auto [name, newCaret] = FileSafeName(text, caret);
  view_.NameText = name;
  view_.NameCaret = newCaret;
  SetTitle(name);
  saveProposal_ = name + ".qmc";
  tpl_.CharName.Assign(name);
  MarkChanged();
  hasFileName_ = false;
  currentFile_.clear();
  SetSaveEnabled(!name.empty());
  UpdateCompareMenu();
  NotifyViewChanged();
}

// A new level takes the champion levels away: they come back by hand at 50.
void TfrmGearMain::ChangeLevel(const std::string& text) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Level");
  int level = tpl_.CharLevel;
  try {
    std::size_t used = 0;
    const int parsed = std::stoi(text, &used);
    if (used == text.size()) level = parsed;
  } catch (...) {
    // Not a number: the level stays as it was.
  }
  tpl_.CharLevel = static_cast<std::uint8_t>(std::clamp(level, 5, 50));
  tpl_.ChampionFlag = 0;
  InitItem(tpl_.Slot(kMyth));
  ShowChangedRecord({});
}

void TfrmGearMain::ChangeRealmRank(int index) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Realm Rank");
  tpl_.RealmRank = static_cast<std::uint8_t>(std::clamp(index, 0, 12) + 1);
  ShowChangedRecord({});
}

bool TfrmGearMain::QueryClose() {
  if (unchanged_) return true;
  const BusyScope busy(*this);
  switch (user_.AskUser(
      "Changes have been made, would you like to save your work before exiting Quillmark??",
      kSaveFirstTitle, "&Save", "E&xit", "&Cancel", "")) {
    case Answer::Ok:
      // The player chose to leave: the window closes whatever became of the
      // save, also when its dialog was cancelled.
      SaveTemplate();
      return true;
    case Answer::Cancel:
      return true;
    default:
      return false;
  }
}

void TfrmGearMain::SetDefaultServerType(int type) {
  if (!ChooseDefaultServer(settings_, type)) return;
  view_.OptionChecks.serverType = type;
  NotifyViewChanged();
}

void TfrmGearMain::StartUp(const std::optional<std::string>& parameter) {
  const ViewBatch batch(*this);
  const HistoryStep fresh(*this, "");
  MarkUnchanged();
  hasFileName_ = true;
  currentFile_.clear();
  utilityMode_ = kUtilityNormal;
  NewTemplate();
  view_.Title = std::string(kProductName) + " - [ No Character ]";
  if (parameter && !parameter->empty()) {
    pendingFile_ = *parameter;
    DoLoad(LoadOrigin::HandOver, 0);
  }
  MarkUnchanged();
  Recalc();
}

void TfrmGearMain::FirstShow() {
  const ViewBatch batch(*this);
  view_.OptionChecks = ApplyDisplaySettingsOnShow(settings_);
  const SettingsRecord& record = settings_.Record();
  utilityMode_ = std::clamp<int>(record.UtilSetting, 0, 3);
  view_.QuickbarVisible = view_.OptionChecks[SettingToggle::Quickbar];
  ShowUtilityColumn(view_.OptionChecks[SettingToggle::UtilityDisplay]);
  view_.StartMaximized = record.StartMax;
  UpdateRecentMenu();
  UpdateVaultMenu();
  Recalc();
}

// A path handed over by a second copy loads as from the recent list, going
// on top of it. Only a completed load marks the template unchanged: a load
// stopped at the save question keeps the unsaved-changes mark, so a later
// close still offers to save.
void TfrmGearMain::LoadPendingFile() {
  const ViewBatch batch(*this);
  DoLoad(LoadOrigin::HandOver, 0);
  if (pendingFile_.empty()) MarkUnchanged();
}

}  // namespace qm
