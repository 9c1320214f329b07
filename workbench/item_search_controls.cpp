// The Load Item tab's filter boxes, the web searches, the commands that feed
// the inline editor, and the default-button and focus behaviour.
#include <algorithm>
#include <array>

#include "vault/url_encode.h"
#include "vault/vault_browser.h"
#include "workbench/item_exchange.h"
#include "workbench/item_search.h"

namespace qm {
namespace {

// The controls over which "&Search" is the default button.
constexpr std::array<std::string_view, 18> kFilterArea = {
    "ItemLoadHolder", "FilterGroup", "StatDisplay",  "Filt1",    "Filt2",     "filt3",
    "filt4",          "stat1amt",    "stat2amt",     "stat3amt", "ArmorFilt", "WeaponFilt",
    "ProcFilter",     "iSearch",     "btnCopyStats", "ItemMemo", "btnGoogle", "btnSearch"};

int Clamp(int position, const std::vector<std::string>& entries) {
  if (position < 0 || position >= static_cast<int>(entries.size())) return -1;
  return position;
}

}  // namespace

void TfrmItems::EnableStatFilters(bool enabled) {
  for (ComboState& stat : view_.Stats) stat.Enabled = enabled;
  for (TextBoxState& amount : view_.StatAmounts) amount.Enabled = enabled;
}

void TfrmItems::FilterChange(SearchFilter filter, int position) {
  const ViewChange change(*this);
  switch (filter) {
    case SearchFilter::kItemType:
      if (view_.ItemType.Enabled)
        view_.ItemType.Selection = Clamp(position, view_.ItemType.Entries);
      break;
    case SearchFilter::kStat1:
    case SearchFilter::kStat2:
    case SearchFilter::kStat3: {
      if (!StatFiltersEnabled()) break;
      const auto box = static_cast<std::size_t>(static_cast<int>(filter) -
                                                static_cast<int>(SearchFilter::kStat1));
      const int chosen = Clamp(position, view_.Stats[box].Entries);
      // Another bonus makes the old minimum meaningless.
      if (chosen != view_.Stats[box].Selection) view_.StatAmounts[box].Text = "0";
      view_.Stats[box].Selection = chosen;
      break;
    }
    case SearchFilter::kArmour:
      if (view_.Armour.Enabled) view_.Armour.Selection = Clamp(position, view_.Armour.Entries);
      break;
    case SearchFilter::kWeapon:
      if (view_.Weapon.Enabled) view_.Weapon.Selection = Clamp(position, view_.Weapon.Entries);
      break;
    case SearchFilter::kProc:
      view_.Proc.Selection = Clamp(position, view_.Proc.Entries);
      break;
  }
}

AmountBoxEdit TfrmItems::statamtChange(int box, std::string_view text, int caret) {
  const ViewChange change(*this);
  AmountBoxEdit edit = ApplyAmountRules(text, caret, kFilterMinimumLimit);
  if (box >= 0 && box < 3 && StatFiltersEnabled()) {
    view_.StatAmounts[static_cast<std::size_t>(box)].Text = edit.Text;
  }
  return edit;
}

void TfrmItems::stat1amtDblClick(int box) {
  const ViewChange change(*this);
  if (box >= 0 && box < 3 && StatFiltersEnabled()) {
    view_.StatAmounts[static_cast<std::size_t>(box)].Text = "0";
  }
}

void TfrmItems::nAllakhazam() {
  const std::string text = SelectedText();
  if (text.empty()) return;
  shell_.OpenInShell(ItemDatabaseSearchAddress(text));
}

void TfrmItems::nGoogle() {
  const std::string text = SelectedText();
  if (text.empty()) return;
  shell_.OpenInShell(WebSearchAddress(text));
}

void TfrmItems::btnCopyStatsClick() {
  const ViewBatch batch(*this);
  if (closed_ || !view_.CopyStats.Enabled) return;
  if (view_.Items.Selection < 0) {
    user_.ShowMessage(kNeedSelectedItem);
    return;
  }
  editor_.CopyStatsFrom(selectedItem_);
  ActivateTab(WorkbenchTab::kInline);
}

void TfrmItems::RoGClick() {
  if (closed_ || !view_.InlineTab.Visible) return;
  const ViewChange change(*this);
  editor_.MakeRoG();
  view_.Items.Selection = -1;
  ActivateTab(WorkbenchTab::kInline);
}

void TfrmItems::btnExportClick() {
  if (closed_) return;
  ExportInlineItem(editor_, request_.Settings.StartFolder, files_, user_);
}

void TfrmItems::btnImportQMXClick() {
  const ViewBatch batch(*this);
  if (closed_ || !view_.InlineTab.Visible) return;
  auto item =
      ImportItemForSlot(request_.Settings.StartFolder, request_.SlotFilterIndex, files_, user_);
  if (!item) return;
  editor_.SetSource(*item, true);
  ActivateTab(WorkbenchTab::kInline);
}

void TfrmItems::ItemLoadHolderMouseEnter() {
  view_.Default = DefaultButton::kSearch;
  NotifyViewChanged();
}

void TfrmItems::ItemLoadHolderMouseLeave() {
  view_.Default = DefaultButton::kReturn;
  NotifyViewChanged();
}

void TfrmItems::MouseHover(std::string_view control) {
  view_.FocusedControl = std::string(control);
  const bool inArea =
      std::find(kFilterArea.begin(), kFilterArea.end(), control) != kFilterArea.end();
  view_.Default = inArea ? DefaultButton::kSearch : DefaultButton::kReturn;
  NotifyViewChanged();
}

}  // namespace qm
