#include "mainwin/quickbar_export_window.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/class_table.h"
#include "report/shopping_list.h"
#include "spellcraft/crafted_gems.h"

namespace qm {
namespace {

constexpr std::string_view kNoGems = "The template has no spellcrafted pieces with gems.";
constexpr std::string_view kPickFile =
    "Pick the character's settings file of the game (<Character>-<server>.ini).";

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

// "page 2, slot 4" of a key index.
std::string Place(int index) {
  return "page " + std::to_string(index / kQuickbarPageSlots + 1) + ", slot " +
         std::to_string(index % kQuickbarPageSlots + 1);
}

SpinBoxState Spin(int value, int maximum) {
  return {value, 1, maximum, true};
}

}  // namespace

TfrmQuickbarExport::TfrmQuickbarExport(QuickbarExportPorts ports, QuickbarExportSetup setup)
    : ports_(ports), setup_(std::move(setup)) {
  view_.Bar = Spin(1, kQuickbarBars);
  view_.Page = Spin(1, kQuickbarPages);
  view_.Slot = Spin(1, kQuickbarPageSlots);
  view_.RealmSwitch = {false, false};
  view_.Preview.Captions = {"Key", "Button", "Count", "Replaces"};
  view_.ServerKind.Entries = ShippedServerKinds(setup_.ProgramDirectory);
  for (std::size_t i = 0; i < view_.ServerKind.Entries.size(); ++i)
    if (view_.ServerKind.Entries[i] == kDefaultServerKind) view_.ServerKind.Selection = int(i);
  if (view_.ServerKind.Selection < 0 && !view_.ServerKind.Entries.empty())
    view_.ServerKind.Selection = 0;
  LoadShippedTable(view_.ServerKind.Text());
}

void TfrmQuickbarExport::LoadShippedTable(const std::string& kind) {
  recipes_.reset();
  const std::string path = FindRecipeTable(setup_.ProgramDirectory, kind);
  if (path.empty()) {
    view_.Recipes = {"No recipe table for the server kind \"" + kind + "\" ships with the program.",
                     kRed};
    return;
  }
  auto table = ReadRecipeTable(path);
  if (!table.Ok()) {
    view_.Recipes = {table.Error(), kRed};
    return;
  }
  recipes_ = std::move(table.Value());
  view_.Recipes = {"Recipes: " + kind + " (" + std::to_string(recipes_->Entries.size()) + " gems)"};
}

void TfrmQuickbarExport::FormShow(const TTemplateRecord& tpl) {
  const ViewBatch batch(*this);
  tpl_ = tpl;
  Refresh();
}

void TfrmQuickbarExport::BrowseClick() {
  FileDialogRequest request;
  request.Title = "Character's Settings File";
  request.Filter = "Character Settings (*.ini)|*.ini";
  request.DefaultExtension = "ini";
  request.InitialFolder =
      view_.IniFile.Text.empty() ? setup_.GameFolder : FolderOf(view_.IniFile.Text);
  request.FileMustExist = true;
  const std::string path = ports_.files.AskOpenPath(request);
  if (!path.empty()) IniFileChange(path);
}

void TfrmQuickbarExport::IniFileChange(const std::string& path) {
  const ViewBatch batch(*this);
  view_.IniFile.Text = path;
  Refresh();
}

void TfrmQuickbarExport::ServerKindChange(int index) {
  const ViewBatch batch(*this);
  view_.ServerKind.Selection = index;
  LoadShippedTable(view_.ServerKind.Text());
  Refresh();
}

void TfrmQuickbarExport::LoadRecipesClick() {
  FileDialogRequest request;
  request.Title = "Load Recipe Table";
  request.Filter = "Recipe Tables (*.txt)|*.txt";
  request.DefaultExtension = "txt";
  request.FileMustExist = true;
  const std::string path = ports_.files.AskOpenPath(request);
  if (path.empty()) return;
  auto table = ReadRecipeTable(path);
  if (!table.Ok()) {
    ports_.user.ShowMessage(table.Error());
    return;
  }
  const ViewBatch batch(*this);
  recipes_ = std::move(table.Value());
  view_.ServerKind.Selection = -1;
  view_.Recipes = {"Recipes: " + FileName(path) + " (" + std::to_string(recipes_->Entries.size()) +
                   " gems)"};
  Refresh();
}

void TfrmQuickbarExport::BarChange(int bar) {
  const ViewBatch batch(*this);
  view_.Bar.Value = std::clamp(bar, 1, kQuickbarBars);
  Refresh();
}

void TfrmQuickbarExport::PageChange(int page) {
  const ViewBatch batch(*this);
  view_.Page.Value = std::clamp(page, 1, kQuickbarPages);
  Refresh();
}

void TfrmQuickbarExport::SlotChange(int slot) {
  const ViewBatch batch(*this);
  view_.Slot.Value = std::clamp(slot, 1, kQuickbarPageSlots);
  Refresh();
}

void TfrmQuickbarExport::RealmSwitchClick(bool checked) {
  const ViewBatch batch(*this);
  view_.RealmSwitch.Checked = checked;
  Refresh();
}

void TfrmQuickbarExport::ShowRefusal(const std::string& reason) {
  view_.Status = {reason, kRed};
}

void TfrmQuickbarExport::Refresh() {
  plan_.reset();
  ini_.reset();
  view_.Preview.Rows.clear();
  view_.Preview.Selection = -1;
  view_.Export.Enabled = false;
  view_.RealmSwitch.Enabled = false;
  const std::string& path = view_.IniFile.Text;
  view_.Restore.Enabled = !path.empty() && !QuickbarBackups(path).empty();
  const std::vector<CraftedPieceGems> pieces = CraftedPieces(tpl_);
  view_.CopyShopping.Enabled = !pieces.empty();
  NotifyViewChanged();
  if (pieces.empty()) return ShowRefusal(std::string(kNoGems));
  if (path.empty()) {
    view_.Status = {std::string(kPickFile)};
    return;
  }
  if (!recipes_) return ShowRefusal(view_.Recipes.Text);
  if (Status writable = CheckIniWritable(path); !writable.Ok()) return ShowRefusal(writable.error);
  auto ini = ReadGameIni(path);
  if (!ini.Ok()) return ShowRefusal(ini.Error());
  if (Status character = CheckCharacterFile(ini.Value()); !character.Ok())
    return ShowRefusal(FileName(path) + " is " + character.error + ".");
  view_.RealmSwitch.Enabled = CraftsForSeveralRealms(ini.Value());
  const QuickbarPlacement at{view_.Bar.Value, view_.Page.Value, view_.Slot.Value};
  auto plan = PlanQuickbar(pieces, RealmOfClass(tpl_.ClassIndex), *recipes_, ini.Value(), at,
                           view_.RealmSwitch.Enabled && view_.RealmSwitch.Checked);
  if (!plan.Ok()) {
    std::string reason = plan.Error();
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return ShowRefusal(reason + ".");
  }
  int replaced = 0;
  for (const QuickbarButton& button : plan.Value().Buttons) {
    replaced += button.Replaces ? 1 : 0;
    view_.Preview.Rows.push_back(
        {{button.Key},
         {button.Caption},
         {button.Count > 1 ? "x" + std::to_string(button.Count) : ""},
         {button.Replaces ? *button.Replaces : "", button.Replaces ? kMaroon : kBlack}});
  }
  const int first = HotkeyIndex(at.Page, at.Slot);
  const int count = static_cast<int>(plan.Value().Buttons.size());
  std::string status = std::to_string(count) + " buttons on [" + plan.Value().Section + "] from " +
                       Place(first) + " to " + Place(first + count - 1) + "; " +
                       std::to_string(replaced) + " replace a button.";
  if (!plan.Value().Unknown.empty()) {
    status += " No recipe for:";
    for (std::size_t i = 0; i < plan.Value().Unknown.size(); ++i)
      status += (i == 0 ? " " : ", ") + plan.Value().Unknown[i];
    status += ".";
  }
  view_.Status = {status, plan.Value().Unknown.empty() ? kBlack : kMaroon};
  view_.Export.Enabled = true;
  ini_ = std::move(ini.Value());
  plan_ = std::move(plan.Value());
}

std::optional<std::string> TfrmQuickbarExport::GameRunningMessage() const {
  const auto game = FindRunningGame(setup_.ProcessTable);
  if (!game) return std::nullopt;
  return "Close the game first: it writes the character's settings when it closes, over "
         "whatever was written meanwhile (running: process " +
         *game + ").";
}

bool TfrmQuickbarExport::ExportClick() {
  if (!plan_ || !ini_) return false;
  if (const auto running = GameRunningMessage()) {
    ports_.user.ShowMessage(*running);
    return false;
  }
  const std::string& path = view_.IniFile.Text;
  const std::string question = "Write " + std::to_string(plan_->Buttons.size()) + " buttons to [" +
                               plan_->Section + "] of " + FileName(path) +
                               "? The file is copied to a backup first.";
  if (!ports_.user.AskYesNo(question, kQuickbarCaption)) return false;
  const auto written = WriteQuickbar(path, *ini_, *plan_, setup_.Clock());
  const ViewBatch batch(*this);
  if (!written.Ok()) {
    ports_.user.ShowMessage(written.Error());
    Refresh();
    return false;
  }
  ports_.user.ShowMessage("The quickbar was written. The file as it was is kept as " +
                          FileName(written.Value()) + ".");
  Refresh();
  return true;
}

bool TfrmQuickbarExport::RestoreClick() {
  const std::string& path = view_.IniFile.Text;
  if (path.empty() || QuickbarBackups(path).empty()) return false;
  FileDialogRequest request;
  request.Title = "Restore Quickbar";
  const std::string pattern = FileName(path) + ".bak-*";
  request.Filter = "Backups of " + FileName(path) + " (" + pattern + ")|" + pattern;
  request.InitialFolder = FolderOf(path);
  request.FileMustExist = true;
  const std::string backup = ports_.files.AskOpenPath(request);
  if (backup.empty()) return false;
  if (const auto running = GameRunningMessage()) {
    ports_.user.ShowMessage(*running);
    return false;
  }
  if (!ports_.user.AskYesNo("Put " + FileName(backup) + " back as " + FileName(path) +
                                "? The file as it is now is kept as a backup first.",
                            "Restore Quickbar"))
    return false;
  const auto restored = RestoreQuickbar(path, backup, setup_.Clock());
  const ViewBatch batch(*this);
  ports_.user.ShowMessage(restored.Ok() ? FileName(backup) +
                                              " was put back. The file as it was "
                                              "is kept as " +
                                              FileName(restored.Value()) + "."
                                        : restored.Error());
  Refresh();
  return restored.Ok();
}

void TfrmQuickbarExport::CopyShoppingClick() {
  std::string text;
  for (const std::string& line : ShoppingListLines(BuildShoppingList(tpl_))) text += line + "\n";
  ports_.clipboard.CopyText(text);
}

}  // namespace qm
