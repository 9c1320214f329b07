#include "vault/vault_browser.h"

#include <utility>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/item_lists.h"
#include "vault/url_encode.h"
#include "vault/vault_description.h"

namespace qm {
namespace {

constexpr std::string_view kSlotChoices[] = {"<Unfiltered>",
                                             "Jewel",
                                             "Neck",
                                             "Cloak",
                                             "Belt",
                                             "Ring",
                                             "Wrist",
                                             "Chest",
                                             "Head",
                                             "Arms",
                                             "Hands",
                                             "Legs",
                                             "Feet",
                                             "One Handed Weapon",
                                             "Left Handed Weapon",
                                             "Small Shield",
                                             "Medium Shield",
                                             "Large Shield",
                                             "Two Handed Weapon",
                                             "Ranged Weapon",
                                             "Instrument",
                                             "Selectable (One or Two Handed)",
                                             "Selectable (One, Left or Two Handed)",
                                             "Mythirian",
                                             "Class-Sized Shield"};
// The slot kind searched for each "Item Slot" choice. Up to "Left Handed
// Weapon" the choice positions are the slot kinds (13 and 14 bring the hand
// rules). After that each choice searches the kind it names: the shields and
// the instrument their own kinds, the two-handed and ranged weapons and the
// Mythirian the kinds that fill the 2. Hand, Ranged and Myth slots, so that
// what the browser lists can be equipped.
constexpr int kSlotKindOfChoice[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                     13, 14, 24, 25, 26, 15, 16, 23, 28, 29, 17, 27};
static_assert(std::size(kSlotKindOfChoice) == std::size(kSlotChoices));

constexpr std::size_t kBrowserItemTypes = 17;  // "Normal Drop" .. "Ruleset Unique Drop"
constexpr int kServerChoices = 4;
constexpr int kUnfilteredRealm = 3;
constexpr std::size_t kRemovedAfterBracket = 50;

std::vector<std::string> Texts(std::span<const std::string_view> list) {
  return {list.begin(), list.end()};
}

// A list position set by the program: past the list's end nothing is selected.
int Selectable(int position, std::size_t listSize) {
  return position >= 0 && static_cast<std::size_t>(position) < listSize ? position : -1;
}

}  // namespace

TemplateBrowserHost::TemplateBrowserHost(TTemplateRecord& tpl, bool verifiedOnly)
    : tpl_(tpl), verifiedOnly_(verifiedOnly) {
  ClassChanged();
}

void TemplateBrowserHost::EquipVaultItem(int slot, const TItemRecord& item) {
  if (slot >= 1 && slot <= kSlotCount) tpl_.Slot(slot) = item;
}

void TemplateBrowserHost::ClassChanged() {
  ApplyClass(attributes_, tpl_.ClassIndex);
}

Tbrowser::Tbrowser(Vault& vault, TVaultFilter& criteria, BrowserHost& host, UserPort& user,
                   ShellPort& shell)
    : vault_(vault), criteria_(criteria), host_(host), user_(user), shell_(shell) {
  InitItem(item_);
  FillChoices();
  for (ComboState& stat : filters_.Stats) stat.Selection = 0;
  for (TextBoxState& amount : filters_.Amounts) amount.Text = "0";
  view_.VaultOrigin.Visible = vault_.Owner() == VaultOwner::Bundled;
}

// The item type and expansion lists grow while the vault loads, after the
// browser was made, so every clearing refills the choices.
void Tbrowser::FillChoices() {
  filters_.ItemSlot.Entries = SlotChoices();
  filters_.ItemType.Entries = ItemTypeChoices();
  filters_.Realm.Entries = RealmChoices();
  filters_.Expansion.Entries = ExpansionChoices();
  filters_.Server.Entries = ServerChoices();
  filters_.Class.Entries = ClassChoices();
  for (ComboState& stat : filters_.Stats) stat.Entries = StatChoices();
}

std::vector<std::string> Tbrowser::SlotChoices() {
  return Texts(kSlotChoices);
}

std::vector<std::string> Tbrowser::ItemTypeChoices() {
  std::vector<std::string> out{"<Unfiltered>"};
  for (std::size_t i = 0; i < kBrowserItemTypes; ++i) out.emplace_back(ItemTypeList().At(i));
  return out;
}

std::vector<std::string> Tbrowser::RealmChoices() {
  return RealmFilterChoices();
}

std::vector<std::string> Tbrowser::ExpansionChoices() {
  std::vector<std::string> out{"<Unfiltered>"};
  for (std::size_t i = 0; i < 22; ++i) out.emplace_back(ExpansionList().At(i));
  return out;
}

std::vector<std::string> Tbrowser::ServerChoices() {
  return {"<Unfiltered>", "<None>", "Normal", "Coop"};
}

std::vector<std::string> Tbrowser::ClassChoices() {
  std::vector<std::string> out{"<Unfiltered>"};
  for (int c = 0; c < kClassTableSize; ++c) out.emplace_back(ClassOf(c).Text);
  return out;
}

std::vector<std::string> Tbrowser::StatChoices() {
  return StatFilterChoices();
}

int Tbrowser::SlotFilterOf(int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= std::size(kSlotKindOfChoice)) {
    return position < 0 ? position : 0;
  }
  return kSlotKindOfChoice[position];
}

void Tbrowser::Show() {
  const ViewChange change(*this);
  view_.VaultOrigin.Visible = vault_.Owner() == VaultOwner::Bundled;
  ClearFilters();
}

void Tbrowser::BrowserSearch() {
  const ViewChange change(*this);
  criteria_.HideQs = true;
  criteria_.ClassFilter = filters_.Class.Selection;
  criteria_.FilterServer = filters_.Server.Selection;
  criteria_.RealmFilter = filters_.Realm.Selection;
  criteria_.ITypeFilter = filters_.ItemType.Selection;
  criteria_.SFilter1 = filters_.Stats[0].Selection;
  criteria_.SFilter2 = filters_.Stats[1].Selection;
  criteria_.SFilter3 = filters_.Stats[2].Selection;
  criteria_.stat1amt = filters_.Amounts[0].Text;
  criteria_.stat2amt = filters_.Amounts[1].Text;
  criteria_.stat3amt = filters_.Amounts[2].Text;
  criteria_.SlotFilter = SlotFilterOf(filters_.ItemSlot.Selection);
  criteria_.ExpansionFilter = filters_.Expansion.Selection;
  criteria_.NameFilter = filters_.Name.Text;
  criteria_.cVerified = filters_.Verified.Checked;
  criteria_.ProcFilter = filters_.Proc.Selection;

  const TTemplateRecord& tpl = host_.CurrentTemplate();
  const TCharAttributes& attributes = host_.CharAttributes();
  VaultQueryContext context;
  context.BonusLevelLimit = host_.WorkbenchShowing();
  context.CharacterLevel = tpl.CharLevel;
  context.ShieldSize = attributes.ShieldSize;
  context.LeftHandWeapon = attributes.LeftHandWeapon;
  context.Shell = &shell_;
  RunVaultQuery(vault_, criteria_, context, result_);

  // The result becomes the view: a large list is moved, not copied.
  view_.Items = {std::move(result_.Names), -1};
  view_.Indices = std::move(result_.Indices);
  view_.ListingCaption.Text =
      "Item &Listing : ( " + std::to_string(view_.Items.Entries.size()) + " ) ";
  criteria_.HideQs = false;
}

void Tbrowser::ClearFilters() {
  const ViewChange change(*this);
  criteria_.HideQs = true;
  FillChoices();
  filters_.ItemType.Selection = filters_.ItemSlot.Selection = filters_.Expansion.Selection = 0;
  filters_.Class.Selection = filters_.Server.Selection = 0;
  for (ComboState& stat : filters_.Stats) stat.Selection = 0;
  filters_.Realm.Selection = kUnfilteredRealm;
  filters_.Realm.Enabled = true;
  for (TextBoxState& amount : filters_.Amounts) amount.Text = "0";
  filters_.Name.Text.clear();
  filters_.Verified.Checked = false;
  filters_.Proc = {ProcFilterChoices(), 0};
  BrowserSearch();
}

void Tbrowser::MatchCurrentClassServer() {
  const ViewChange change(*this);
  const TTemplateRecord& tpl = host_.CurrentTemplate();
  criteria_.HideQs = true;
  filters_.ItemType.Selection = filters_.ItemSlot.Selection = filters_.Expansion.Selection = 0;
  filters_.Class.Selection = Selectable(tpl.ClassIndex + 1, ClassChoices().size());
  // Classic, PvP and Origins lie past the four server choices: nothing is
  // selected there and the search applies no server test.
  filters_.Server.Selection = Selectable(tpl.ServerType + 2, kServerChoices);
  const bool anyRealm = tpl.ServerType == kCoop || tpl.ServerType == kPvP;
  filters_.Realm.Selection = anyRealm ? kUnfilteredRealm : RealmOfClass(tpl.ClassIndex);
  filters_.Realm.Enabled = false;
  filters_.Name.Text.clear();
  filters_.Verified.Checked = host_.VerifiedOnlySetting();
  BrowserSearch();
}

void Tbrowser::Choose(ComboState& filter, int position) {
  filter.Selection = position;
  NotifyViewChanged();
}

void Tbrowser::ChangeSlotFilter(int position) {
  Choose(filters_.ItemSlot, position);
}

void Tbrowser::ChangeItemTypeFilter(int position) {
  Choose(filters_.ItemType, position);
}

void Tbrowser::ChangeRealmFilter(int position) {
  Choose(filters_.Realm, position);
}

void Tbrowser::ChangeExpansionFilter(int position) {
  Choose(filters_.Expansion, position);
}

void Tbrowser::ChangeClassFilter(int position) {
  Choose(filters_.Class, position);
}

void Tbrowser::ChangeStatFilter(int k, int position) {
  if (k >= 0 && k < 3) Choose(filters_.Stats[static_cast<std::size_t>(k)], position);
}

void Tbrowser::ChangeProcFilter(int position) {
  Choose(filters_.Proc, position);
}

void Tbrowser::ChangeVerifiedOnly(bool checked) {
  filters_.Verified.Checked = checked;
  NotifyViewChanged();
}

void Tbrowser::ChangeServerFilter(int position) {
  filters_.Server.Selection = position;
  filters_.Realm.Selection = kUnfilteredRealm;
  filters_.Realm.Enabled = true;
  NotifyViewChanged();
}

void Tbrowser::SetNameFilter(const std::string& text) {
  filters_.Name.Text = text.substr(0, kBrowserNameFilterLength);
  NotifyViewChanged();
}

AmountBoxEdit Tbrowser::ChangeAmount(int k, std::string_view text, int caret) {
  AmountBoxEdit normalised = ApplyAmountRules(text, caret, kFilterMinimumLimit);
  if (k >= 0 && k < 3) filters_.Amounts[static_cast<std::size_t>(k)].Text = normalised.Text;
  NotifyViewChanged();
  return normalised;
}

void Tbrowser::ResetAmount(int k) {
  if (k >= 0 && k < 3) filters_.Amounts[static_cast<std::size_t>(k)].Text = "0";
  NotifyViewChanged();
}

int Tbrowser::SelectedIndex() const {
  const int row = view_.Items.Selection;
  if (row < 0 || static_cast<std::size_t>(row) >= view_.Indices.size()) return -1;
  return view_.Indices[static_cast<std::size_t>(row)];
}

void Tbrowser::SelectLine(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= view_.Items.Entries.size()) return;
  const ViewChange change(*this);
  view_.Items.Selection = row;
  DescribeSelected();
}

void Tbrowser::DescribeSelected() {
  view_.Description.Lines.clear();
  InitItem(item_);
  const int index = SelectedIndex();
  if (index < 0) return;
  if (index == 0) {
    view_.Description.Lines = NoItemsFoundLines();
    return;
  }
  item_ = vault_.Read(index, user_);
  VaultDescription description = DescribeVaultItem(item_, host_.CharAttributes().MaxArmor);
  view_.Description.Lines = std::move(description.Lines);
  view_.ScrolledToTop = true;
  if (!description.Mythirian) {
    view_.Equip.Enabled = CanEquipFromVault(item_, host_.CurrentTemplate());
  }
}

void Tbrowser::DoubleClickLine(int row) {
  const ViewBatch batch(*this);
  SelectLine(row);
  if (view_.Equip.Enabled) EquipSelected();
}

void Tbrowser::EquipSelected() {
  // Index 0 is the placeholder line "No items found", and the header entry
  // shares it: neither is ever equipped.
  const int index = SelectedIndex();
  if (index <= 0) return;
  item_ = vault_.Read(index, user_);
  const int slot = EquipTargetSlot(item_, host_.CharAttributes().LeftHandWeapon, user_);
  if (slot == 0) return;
  host_.EquipVaultItem(slot, item_);
}

void Tbrowser::SearchItemDatabase() {
  if (!view_.Items.HasSelection()) return;
  shell_.OpenInShell(ItemDatabaseSearchAddress(view_.Items.Text()));
}

void Tbrowser::SearchWeb() {
  if (!view_.Items.HasSelection()) return;
  shell_.OpenInShell(WebSearchAddress(view_.Items.Text()));
}

std::string ItemDatabaseTerms(std::string name) {
  if (const std::size_t at = name.find(" ("); at != std::string::npos) {
    name.erase(at, kRemovedAfterBracket);
  }
  if (const std::size_t at = name.find('('); at != std::string::npos) {
    name.erase(at, kRemovedAfterBracket);
  }
  return name;
}

std::string ItemDatabaseSearchAddress(std::string_view itemName) {
  return std::string(kItemDatabaseSearch) +
         "?terms=" + UrlEncode(ItemDatabaseTerms(std::string(itemName)), true) + "&a=Search";
}

std::string WebSearchAddress(std::string_view itemName) {
  return std::string(kWebSearch) + "?hl=en&q=" + UrlEncode(itemName, true);
}

}  // namespace qm
