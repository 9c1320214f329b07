#include "workbench/item_search.h"

#include <utility>

#include "core/class_table.h"
#include "core/text.h"
#include "vault/vault_description.h"
#include "vault/vault_query.h"
#include "workbench/item_search_description.h"

namespace qm {
namespace {

constexpr int kEveryRealm = 3;
constexpr int kNoClass = -1;

bool IsEmptyName(const TItemRecord& item) {
  return item.Name.Size() == 0 || item.Name.View() == " ";
}

// Case-insensitive prefix test, the way every lookup of the program folds case.
bool BeginsWith(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

int FirstEntryBeginningWith(const std::vector<std::string>& names, std::string_view prefix) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (BeginsWith(names[i], prefix)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

WorkbenchCharacter WorkbenchCharacter::Of(const TTemplateRecord& tpl, bool championLevel3) {
  WorkbenchCharacter character;
  character.ClassIndex = tpl.ClassIndex;
  character.Level = tpl.CharLevel;
  character.ServerType = tpl.ServerType;
  character.ChampionLevel3 = championLevel3;
  return character;
}

TfrmItems::TfrmItems(const Vault& vault, TVaultFilter& criteria, UserPort& user,
                     FileDialogPort& files, ShellPort& shell)
    : vault_(vault), criteria_(criteria), user_(user), files_(files), shell_(shell) {
  editor_.SetViewChangedCallback([this] { NotifyViewChanged(); });
  spellcraft_.SetViewChangedCallback([this] { NotifyViewChanged(); });
  editor_.SetRefreshHook([this] { DisplayInMain(); });
  // The calculator previews only while its tab is entered and its design
  // is within the limit; the mode check keeps a late call from another tab
  // out of the slot.
  spellcraft_.SetPreviewSink([this](const TItemRecord& item) {
    if (mode_ != WorkbenchMode::kSpellcraft) return;
    previewItem_ = item;
    WritePreview(previewItem_);
  });
}

void TfrmItems::Open(const WorkbenchRequest& request, SlotPreview preview) {
  const ViewChange change(*this);
  request_ = request;
  slotItem_ = request.StartingItem;
  preview_ = std::move(preview);
  searchName_ = request.SearchName;
  FormShow();
}

SpellcraftContext TfrmItems::CraftContext() const {
  const int classIndex = request_.Character.ClassIndex;
  return SpellcraftContextOf(
      request_.Slot, classIndex >= 0 && classIndex < kClassTableSize ? classIndex : kNoClass,
      request_.Character.Level, request_.Character.ChampionLevel3, request_.Settings.ForceFifthSlot,
      searchRealm_ == kEveryRealm);
}

void TfrmItems::FormShow() {
  const ViewChange change(*this);
  closed_ = false;
  painted_ = false;
  outcome_ = WorkbenchOutcome{};
  mode_ = WorkbenchMode::kLoad;
  // Until a list line says otherwise, the slot's own item can go back.
  returnEnabled_ = true;

  // 1. Tabs and the filters the slot allows; a fresh design.
  view_.SpellcraftTab.Visible = request_.Crafted;
  view_.InlineTab.Visible = !request_.Myth;
  view_.ItemType.Enabled = !request_.Myth;
  EnableStatFilters(!request_.Myth);
  view_.CopyStats.Enabled = !request_.Myth;
  view_.Armour.Enabled = request_.ArmourSlot;
  view_.Weapon.Enabled = request_.WeaponSlot;
  view_.Default = DefaultButton::kReturn;
  spellcraft_.Reset();
  spellcraft_.SetCraftSkill(request_.Settings.CraftSkill);

  // 2. Working records. A crafted starting item keeps its rows out of the
  // editor (rows 5..8 hold gem tiers, not bonuses): the editor starts empty.
  const TItemRecord& starting = request_.StartingItem;
  const bool crafted = IsSpellcrafted(starting);
  selectedItem_ = starting;
  outcome_.Item = starting;
  editor_.SetSlot(request_.Slot, DefaultCraftedLevel(request_.Character.Level));
  editor_.SetSource(crafted ? EmptyItem() : starting, true);
  previewItem_ = EmptyItem();

  // 3. Filters back to their first entries.
  ResetFilters();

  // 4. The search, on the Load Item tab.
  view_.ActiveTab = WorkbenchTab::kLoad;
  DirectoryChange();

  // 5. An auto-return opening finishes on its first paint.
  if (request_.AutoReturn.Active) return;

  // 6. The crafted design: loaded from a crafted starting item, else cleared.
  if (request_.Crafted) {
    spellcraft_.SetContext(CraftContext());
    if (crafted) {
      mode_ = WorkbenchMode::kSpellcraft;
      view_.ActiveTab = WorkbenchTab::kSpellcraft;
    }
    spellcraft_.Open(starting);
  }

  // 7. A crafted starting item stays on its design.
  if (crafted) return;

  // 8. A hand-made item returns to the editor it was made in. The Myth slot
  // has no editor tab to show, so it stays on the Load Item tab.
  const bool editorAvailable = !request_.Myth;
  if (starting.Unique == 1 && starting.Name.View() != " " && editorAvailable) {
    ActivateTab(WorkbenchTab::kInline);
    return;
  }
  // 9. The search listed the item: its entry stays selected.
  if (foundEntry_ >= 0) return;
  // 10. An empty slot offers the list.
  if (IsEmptyName(starting)) {
    const int entry = FirstEntryBeginningWith(view_.Items.Entries, searchName_);
    if (entry >= 0) view_.Items.Selection = entry;
    LoadEnter();
    return;
  }
  // 11. A named item the vault does not hold is shown in the editor.
  if (editorAvailable) ActivateTab(WorkbenchTab::kInline);
}

void TfrmItems::ResetFilters() {
  view_.ItemType.Entries = ITypeFilterChoices();
  for (ComboState& stat : view_.Stats) stat = {StatFilterChoices(), 0, stat.Enabled};
  for (TextBoxState& amount : view_.StatAmounts) amount.Text = "0";
  view_.Armour.Entries = ArmorFilterChoices();
  view_.Weapon.Entries = WeaponFilterChoices();
  view_.Proc.Entries = ProcFilterChoices();
  if (!view_.Proc.Entries.empty()) view_.Proc.Entries.front() = std::string(kProcFilterFirstEntry);
  view_.ItemType.Selection = 0;
  view_.Armour.Selection = 0;
  view_.Weapon.Selection = 0;
  view_.Proc.Selection = 0;
}

void TfrmItems::DirectoryChange() {
  const ViewChange change(*this);
  const WorkbenchCharacter& character = request_.Character;
  // 1. The character's realm, or every realm where the server mixes realms
  // (Coop and PvP) for anything but the helm.
  int realm = RealmOfClass(character.ClassIndex);
  if ((character.ServerType == kCoop || character.ServerType == kPvP) && request_.Slot != kHead) {
    realm = kEveryRealm;
  }
  searchRealm_ = realm;

  // 2. The shared criteria.
  criteria_.FilterServer = 0;
  criteria_.RealmFilter = realm;
  criteria_.ITypeFilter = view_.ItemType.Selection;
  criteria_.SFilter1 = view_.Stats[0].Selection;
  criteria_.SFilter2 = view_.Stats[1].Selection;
  criteria_.SFilter3 = view_.Stats[2].Selection;
  criteria_.stat1amt = view_.StatAmounts[0].Text;
  criteria_.stat2amt = view_.StatAmounts[1].Text;
  criteria_.stat3amt = view_.StatAmounts[2].Text;
  criteria_.armorfilter = view_.Armour.Selection;
  criteria_.weaponfilter = view_.Weapon.Selection;
  criteria_.SlotFilter = request_.SlotFilterIndex;
  criteria_.ExpansionFilter = 0;
  criteria_.NameFilter.clear();
  criteria_.ClassFilter = character.ClassIndex + 1;
  criteria_.ProcFilter = view_.Proc.Selection;
  criteria_.cVerified = request_.Settings.VerifiedOnly;

  // 3. The query, limited to what the character's level can wear.
  const ClassInfo& info = ClassOf(character.ClassIndex);
  VaultQueryContext context;
  context.BonusLevelLimit = true;
  context.CharacterLevel = character.Level;
  context.ShieldSize = info.Shield;
  context.LeftHandWeapon = info.LeftHandWeapon;
  context.Shell = &shell_;
  VaultQueryResult result = RunVaultQuery(vault_, criteria_, context);
  view_.Items.Entries = std::move(result.Names);
  view_.Indices = std::move(result.Indices);
  view_.ListingCaption.Text =
      "Item &Listing : ( " + std::to_string(view_.Items.Entries.size()) + " ) ";

  // 4, 5. Select what the caller asked for.
  if (request_.AutoReturn.Active) searchName_ = request_.AutoReturn.Name;
  foundEntry_ =
      searchName_.empty() ? -1 : FirstEntryBeginningWith(view_.Items.Entries, searchName_);
  view_.Items.Selection = foundEntry_;

  // 6.
  LItemsClick();
}

void TfrmItems::SelectEntry(int row) {
  if (row < 0 || row >= static_cast<int>(view_.Items.Entries.size())) return;
  const ViewChange change(*this);
  view_.Items.Selection = row;
  LItemsClick();
}

void TfrmItems::LItemsClick() {
  if (view_.Items.Selection < 0 || view_.Items.Selection >= static_cast<int>(view_.Indices.size()))
    return;
  const ViewChange change(*this);
  view_.ItemMemo.Lines.clear();
  selectedItem_ = EmptyItem();
  const int number = view_.Indices[static_cast<std::size_t>(view_.Items.Selection)];
  if (number == 0) {
    view_.ItemMemo.Lines = NoItemsFoundLines();
    returnEnabled_ = false;
  } else {
    selectedItem_ = vault_.Read(number, user_);
    returnEnabled_ = true;
    view_.ItemMemo.Lines =
        DescribeSearchItem(selectedItem_, ClassOf(request_.Character.ClassIndex).MaxArmor);
  }
  DisplayInMain();
}

void TfrmItems::LItemsDblClick(int row) {
  const ViewBatch batch(*this);
  SelectEntry(row);
  if (view_.Items.Selection == row && mode_ == WorkbenchMode::kLoad) btnReturnClick();
}

void TfrmItems::ActivateTab(WorkbenchTab tab) {
  const ViewBatch batch(*this);
  switch (tab) {
    case WorkbenchTab::kLoad:
      LoadEnter();
      break;
    case WorkbenchTab::kInline:
      if (view_.InlineTab.Visible) EditEnter();
      break;
    case WorkbenchTab::kSpellcraft:
      if (view_.SpellcraftTab.Visible) SCEnter();
      break;
  }
}

void TfrmItems::EnterMode(WorkbenchMode mode, WorkbenchTab tab) {
  mode_ = mode;
  view_.ActiveTab = tab;
  if (mode != WorkbenchMode::kSpellcraft) spellcraft_.SCExit();
}

void TfrmItems::LoadEnter() {
  const ViewChange change(*this);
  EnterMode(WorkbenchMode::kLoad, WorkbenchTab::kLoad);
  DisplayInMain();
  if (view_.Items.Selection < 0 && !view_.Items.Entries.empty()) view_.Items.Selection = 0;
  LItemsClick();
}

void TfrmItems::EditEnter() {
  const ViewChange change(*this);
  EnterMode(WorkbenchMode::kInline, WorkbenchTab::kInline);
  returnEnabled_ = true;
  editor_.EditEnter();  // loads on request, refreshes, previews
}

void TfrmItems::SCEnter() {
  const ViewChange change(*this);
  EnterMode(WorkbenchMode::kSpellcraft, WorkbenchTab::kSpellcraft);
  spellcraft_.SCEnter();  // previews the design while it is within its limit
}

void TfrmItems::DisplayInMain() {
  const ViewBatch batch(*this);
  previewItem_ = EmptyItem();
  switch (mode_) {
    case WorkbenchMode::kLoad:
      previewItem_ = selectedItem_;
      break;
    case WorkbenchMode::kInline:
      previewItem_ = editor_.BuildInlineItem();
      break;
    case WorkbenchMode::kSpellcraft: {
      // A design over its limit leaves the last valid preview in the slot.
      const TSpellcraftState& state = spellcraft_.State();
      if (!state.Valid || state.Charge < 0) return;
      previewItem_ = spellcraft_.BuildCraftedItem(CraftedItemVariant::kPreview);
      break;
    }
  }
  WritePreview(previewItem_);
}

void TfrmItems::WritePreview(const TItemRecord& item) {
  if (preview_ && !closed_)
    RunAtCommandEnd([preview = preview_, slot = request_.Slot, item] { preview(slot, item); });
}

void TfrmItems::Close(bool ok, const TItemRecord& item) {
  outcome_.Ok = ok;
  outcome_.Item = item;
  if (request_.Crafted) outcome_.CraftSkill = spellcraft_.State().CraftSkill;
  closed_ = true;
  spellcraft_.SCExit();
  // FormClose: both optional tabs are offered again at the next opening.
  view_.SpellcraftTab.Visible = true;
  view_.InlineTab.Visible = true;
  NotifyViewChanged();
}

void TfrmItems::btnReturnClick() {
  if (closed_ || !View().Return.Enabled) return;
  TItemRecord returned = EmptyItem();
  switch (mode_) {
    case WorkbenchMode::kLoad:
      returned = selectedItem_;
      break;
    case WorkbenchMode::kInline:
      returned = editor_.BuildInlineItem();
      break;
    case WorkbenchMode::kSpellcraft: {
      const auto crafted = spellcraft_.btnReturnClick();
      if (!crafted) return;
      returned = *crafted;
      break;
    }
  }
  if (SlotValid()) {
    returnedBefore_[request_.Slot - 1] = lastReturned_[request_.Slot - 1];
    lastReturned_[request_.Slot - 1] = returned;
  }
  Close(true, returned);
}

void TfrmItems::btnCancelClick() {
  if (closed_) return;
  Close(false, slotItem_);
}

void TfrmItems::btnEmptyClick() {
  if (closed_) return;
  Close(true, EmptyItem());
}

void TfrmItems::FormCloseQuery() {
  btnCancelClick();
}

void TfrmItems::btnPrevClick() {
  if (closed_ || !SlotValid()) return;
  const ViewBatch batch(*this);
  TItemRecord previous = returnedBefore_[request_.Slot - 1];
  if (IsEmptyName(previous)) previous = lastReturned_[request_.Slot - 1];
  // A history entry never filled holds only zero bytes; the slot takes it
  // as the empty item rather than as a record without name, realm or level.
  if (previous.Name.Size() == 0) previous = EmptyItem();
  request_.StartingItem = previous;
  searchName_ = IsEmptyName(previous) ? std::string() : previous.Name.Str();
  FormShow();
}

void TfrmItems::FormPaint() {
  if (painted_ || closed_) return;
  painted_ = true;
  if (!request_.AutoReturn.Active) return;
  const ViewChange change(*this);
  EnterMode(WorkbenchMode::kLoad, WorkbenchTab::kLoad);
  if (view_.Items.Selection >= 0 && returnEnabled_) {
    btnReturnClick();
  } else {
    btnCancelClick();
  }
}

ItemsWindowView TfrmItems::View() const {
  ItemsWindowView view = view_;
  view.Return.Enabled =
      mode_ == WorkbenchMode::kSpellcraft ? spellcraft_.State().Valid : returnEnabled_;
  return view;
}

std::string TfrmItems::SelectedText() const {
  if (view_.Items.Selection < 0 ||
      view_.Items.Selection >= static_cast<int>(view_.Items.Entries.size()))
    return {};
  // The placeholder line names no item worth looking up.
  if (view_.Indices[static_cast<std::size_t>(view_.Items.Selection)] == 0) return {};
  return view_.Items.Entries[static_cast<std::size_t>(view_.Items.Selection)];
}

WorkbenchOutcome RunWorkbenchHeadless(TfrmItems& window, const WorkbenchRequest& request,
                                      const SlotPreview& preview) {
  window.Open(request, preview);
  window.FormPaint();
  if (!window.Closed()) window.btnCancelClick();
  return window.Outcome();
}

}  // namespace qm
