#include "vault/vault_browser.h"

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
  ClearFilters();
}

void Tbrowser::BrowserSearch() {
  const ViewChange change(*this);
  criteria_.HideQs = true;
  criteria_.ClassFilter = filters_.ClassFilter;
  criteria_.FilterServer = filters_.FilterServer;
  criteria_.RealmFilter = filters_.Filter5;
  criteria_.ITypeFilter = filters_.Filter1;
  criteria_.SFilter1 = filters_.Filter3;
  criteria_.SFilter2 = filters_.Filter6;
  criteria_.SFilter3 = filters_.Filter7;
  criteria_.stat1amt = filters_.Amounts[0];
  criteria_.stat2amt = filters_.Amounts[1];
  criteria_.stat3amt = filters_.Amounts[2];
  criteria_.SlotFilter = SlotFilterOf(filters_.Filter2);
  criteria_.ExpansionFilter = filters_.Filter4;
  criteria_.NameFilter = filters_.NameFilter;
  criteria_.cVerified = filters_.cVerified;
  criteria_.ProcFilter = filters_.ProcFilter;

  const TTemplateRecord& tpl = host_.CurrentTemplate();
  const TCharAttributes& attributes = host_.CharAttributes();
  VaultQueryContext context;
  context.BonusLevelLimit = host_.WorkbenchShowing();
  context.CharacterLevel = tpl.CharLevel;
  context.ShieldSize = attributes.ShieldSize;
  context.LeftHandWeapon = attributes.LeftHandWeapon;
  context.Shell = &shell_;
  RunVaultQuery(vault_, criteria_, context, result_);

  view_.Names = result_.Names;
  view_.Indices = result_.Indices;
  view_.Selected = -1;
  view_.ListingCaption = "Item &Listing : ( " + std::to_string(view_.Names.size()) + " ) ";
  criteria_.HideQs = false;
}

void Tbrowser::ClearFilters() {
  const ViewChange change(*this);
  criteria_.HideQs = true;
  filters_.Filter1 = filters_.Filter2 = filters_.Filter3 = filters_.Filter4 = 0;
  filters_.Filter6 = filters_.Filter7 = filters_.ClassFilter = filters_.FilterServer = 0;
  filters_.Filter5 = kUnfilteredRealm;
  filters_.Filter5Enabled = true;
  filters_.Amounts = {"0", "0", "0"};
  filters_.NameFilter.clear();
  filters_.cVerified = false;
  filters_.ProcFilterItems = ProcFilterChoices();
  filters_.ProcFilter = 0;
  BrowserSearch();
}

void Tbrowser::MatchCurrentClassServer() {
  const ViewChange change(*this);
  const TTemplateRecord& tpl = host_.CurrentTemplate();
  criteria_.HideQs = true;
  filters_.Filter1 = filters_.Filter2 = filters_.Filter4 = 0;
  filters_.ClassFilter = Selectable(tpl.ClassIndex + 1, ClassChoices().size());
  // Classic, PvP and Origins lie past the four server choices: nothing is
  // selected there and the search applies no server test.
  filters_.FilterServer = Selectable(tpl.ServerType + 2, kServerChoices);
  const bool anyRealm = tpl.ServerType == kCoop || tpl.ServerType == kPvP;
  filters_.Filter5 = anyRealm ? kUnfilteredRealm : RealmOfClass(tpl.ClassIndex);
  filters_.Filter5Enabled = false;
  filters_.NameFilter.clear();
  filters_.cVerified = host_.VerifiedOnlySetting();
  BrowserSearch();
}

void Tbrowser::ChangeServerFilter(int position) {
  filters_.FilterServer = position;
  filters_.Filter5 = kUnfilteredRealm;
  filters_.Filter5Enabled = true;
  NotifyViewChanged();
}

void Tbrowser::SetNameFilter(const std::string& text) {
  filters_.NameFilter = text.substr(0, kBrowserNameFilterLength);
  NotifyViewChanged();
}

AmountBoxEdit Tbrowser::ChangeAmount(int k, std::string_view text, int caret) {
  AmountBoxEdit normalised = ApplyAmountRules(text, caret, kFilterMinimumLimit);
  if (k >= 0 && k < 3) filters_.Amounts[static_cast<std::size_t>(k)] = normalised.Text;
  NotifyViewChanged();
  return normalised;
}

void Tbrowser::ResetAmount(int k) {
  if (k >= 0 && k < 3) filters_.Amounts[static_cast<std::size_t>(k)].assign(1, '0');
  NotifyViewChanged();
}

int Tbrowser::SelectedIndex() const {
  if (view_.Selected < 0 || static_cast<std::size_t>(view_.Selected) >= view_.Indices.size()) {
    return -1;
  }
  return view_.Indices[static_cast<std::size_t>(view_.Selected)];
}

void Tbrowser::SelectLine(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= view_.Names.size()) return;
  const ViewChange change(*this);
  view_.Selected = row;
  DescribeSelected();
}

void Tbrowser::DescribeSelected() {
  view_.Description.clear();
  InitItem(item_);
  const int index = SelectedIndex();
  if (index < 0) return;
  if (index == 0) {
    view_.Description = NoItemsFoundLines();
    return;
  }
  item_ = vault_.Read(index, user_);
  VaultDescription description = DescribeVaultItem(item_, host_.CharAttributes().MaxArmor);
  view_.Description = std::move(description.Lines);
  view_.ScrolledToTop = true;
  if (!description.Mythirian) {
    view_.EquipEnabled = CanEquipFromVault(item_, host_.CurrentTemplate());
  }
}

void Tbrowser::DoubleClickLine(int row) {
  const ViewBatch batch(*this);
  SelectLine(row);
  if (view_.EquipEnabled) EquipSelected();
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
  if (view_.Selected < 0 || static_cast<std::size_t>(view_.Selected) >= view_.Names.size()) return;
  shell_.OpenInShell(
      ItemDatabaseSearchAddress(view_.Names[static_cast<std::size_t>(view_.Selected)]));
}

void Tbrowser::SearchWeb() {
  if (view_.Selected < 0 || static_cast<std::size_t>(view_.Selected) >= view_.Names.size()) return;
  const std::string& name = view_.Names[static_cast<std::size_t>(view_.Selected)];
  shell_.OpenInShell(WebSearchAddress(name));
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
