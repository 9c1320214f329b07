#include "workbench/inline_editor.h"

#include <algorithm>

#include "core/bonus_catalogue.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "core/template_record.h"

namespace qm {
namespace {

constexpr std::string_view kArchetypeEntries[kInlineArchetypeEntries] = {
    "<Select>",         "0. Attributes",       "1. Resistances",    "2. Common Skills",
    "3. Albion Skills", "4. Hibernian Skills", "5. Midgard Skills", "6. Cap Increases",
    "7. ToA Bonuses",   "8. PvE Bonuses",      "9. Full Listing"};
constexpr int kMythirianKind = 6;

bool IsArmourPiece(int slot) {
  return slot >= kChest && slot <= kFeet;
}
bool IsWeaponOrMyth(int slot) {
  return slot >= kRightHand && slot <= kMyth;
}

std::vector<std::string> BonusEntriesOf(int archetype) {
  if (archetype <= 0) return {"<Empty>"};
  std::vector<std::string> entries;
  const int size = ArchetypeListSize(archetype);
  entries.reserve(size);
  for (int position = 0; position < size; ++position) {
    entries.emplace_back(ArchetypeEntryText(archetype, position));
  }
  return entries;
}

}  // namespace

std::string_view InlineArchetypeEntry(int position) {
  if (position < 0 || position >= kInlineArchetypeEntries) return {};
  return kArchetypeEntries[position];
}

std::string_view InlineEffectKindEntry(int position) {
  if (position < 0 || position >= kInlineEffectKinds) return {};
  return EntryOf(EffectKindList(), static_cast<std::size_t>(position));
}

InlineEditor::InlineEditor() : source_(EmptyItem()) {
  for (InlineBonusRowView& row : view_.Rows) {
    for (int position = 0; position < kInlineArchetypeEntries; ++position)
      row.Archetype.Entries.emplace_back(InlineArchetypeEntry(position));
  }
  for (InlineEffectRowView& effect : view_.Effects) {
    for (int kind = 0; kind < kInlineEffectKinds; ++kind)
      effect.Kind.Entries.emplace_back(InlineEffectKindEntry(kind));
  }
}

void InlineEditor::SetSlot(int slot, int defaultCraftedLevel) {
  slot_ = slot;
  defaultCraftedLevel_ = defaultCraftedLevel;
}

void InlineEditor::SetSource(const TItemRecord& item, bool requestLoad) {
  source_ = item;
  if (requestLoad) loadRequested_ = true;
}

void InlineEditor::CopyStatsFrom(const TItemRecord& item) {
  source_ = item;
  std::string note(kStatsBasedUponNote);
  note += item.Name.View();
  note.resize(std::min(note.size(), kStatsNoteLength));
  source_.Note.Assign(note);
  view_.Name.Text = item.Name.Str();
  loadRequested_ = true;
  NotifyViewChanged();
}

void InlineEditor::MakeRoG() {
  source_ = EmptyItem();
  source_.Name.Assign(kCustomItemName);
  source_.Unique = 1;
  source_.ItemType = kItemTypeUnique;
  source_.Note.Assign(kRoGNote);
  view_.Name.Text = kCustomItemName;
  loadRequested_ = true;
  NotifyViewChanged();
}

void InlineEditor::EditEnter() {
  // The effect-name list grows while the vault loads, so every entry of the
  // tab refills the effect selectors.
  for (InlineEffectRowView& effect : view_.Effects) {
    effect.Effect.Entries.clear();
    for (std::size_t number = 0; number < EffectNameCount(); ++number)
      effect.Effect.Entries.emplace_back(EffectName(number));
  }
  if (loadRequested_) LoadRows();
  bChange();
}

void InlineEditor::LoadRows() {
  if (source_.Name.Size() == 0 || source_.Name.View() == " ") source_.Name.Assign(kCustomItemName);
  view_.Name.Text = source_.Name.Str();

  for (int k = 0; k < kInlineEffectRows; ++k) {
    InlineEffectRowView& effect = view_.Effects[k];
    const int kind = source_.EffectKind[k];
    loadedKind_[k] = kind;
    effect.Kind.Selection = kind < kInlineEffectKinds ? kind : kNoSelection;
    const std::size_t id = source_.EffectId[k];
    effect.Effect.Selection = id < EffectNameCount() ? static_cast<int>(id) : kNoSelection;
    effect.Amount.Text = AmountText(source_.EffectValue[k], kEffectAmountLimit);
    effect.Effect.Enabled = kind != 0;
  }

  for (int k = 0; k < kInlineBonusRows; ++k) {
    const ArchetypePosition where = ArchetypeOfBonus(source_.BonusCode[k]);
    InlineBonusRowView& row = view_.Rows[k];
    row.Archetype.Selection = where.Archetype;
    row.Bonus.Entries = BonusEntriesOf(where.Archetype);
    row.Bonus.Selection = where.Position;
    row.Amount.Text = where.Archetype == 0 ? std::string("0")
                                           : AmountText(source_.BonusValue[k], kBonusAmountLimit);
  }
  loadRequested_ = false;
}

void InlineEditor::aChange(int row, int archetype) {
  if (row < 0 || row >= kInlineBonusRows) return;
  archetype = std::clamp(archetype, 0, kInlineArchetypeEntries - 1);
  InlineBonusRowView& view = view_.Rows[row];
  view.Archetype.Selection = archetype;
  view.Amount.Text = "0";
  view.Bonus.Entries = BonusEntriesOf(archetype);
  view.Bonus.Selection = 0;
  bChange();
}

void InlineEditor::SelectBonus(int row, int position) {
  if (row < 0 || row >= kInlineBonusRows) return;
  InlineBonusRowView& view = view_.Rows[row];
  if (view.Archetype.Selection == 0) return;  // the selector is disabled
  const int size = static_cast<int>(view.Bonus.Entries.size());
  view.Bonus.Selection = position >= 0 && position < size ? position : kNoSelection;
  bChange();
}

void InlineEditor::SelectEffectKind(int effect, int kind) {
  if (effect < 0 || effect >= kInlineEffectRows) return;
  if (kind < 0 || kind >= kInlineEffectKinds) return;
  view_.Effects[effect].Kind.Selection = kind;
  loadedKind_[effect] = kind;
  bChange();
}

void InlineEditor::SelectEffect(int effect, int position) {
  if (effect < 0 || effect >= kInlineEffectRows) return;
  InlineEffectRowView& view = view_.Effects[effect];
  if (!view.Effect.Enabled) return;
  const bool known = position >= 0 && static_cast<std::size_t>(position) < EffectNameCount();
  view.Effect.Selection = known ? position : kNoSelection;
  bChange();
}

void InlineEditor::bChange() {
  for (InlineBonusRowView& row : view_.Rows) {
    if (row.Bonus.Selection <= 0) {
      row.Amount.Text = "0";
      row.Amount.Enabled = false;
    } else {
      row.Amount.Enabled = true;
    }
  }
  for (InlineBonusRowView& row : view_.Rows) {
    if (row.Archetype.Selection == 0) {
      row.Bonus.Selection = kNoSelection;
      row.Bonus.Enabled = false;
    } else {
      row.Bonus.Enabled = true;
    }
  }
  for (InlineEffectRowView& effect : view_.Effects) {
    if (effect.Kind.Selection == 0) {
      effect.Effect.Enabled = false;
      effect.Effect.Selection = kNoSelection;
    } else {
      effect.Effect.Enabled = true;
    }
  }
  loadRequested_ = false;
  Refresh();
}

AmountBoxEdit InlineEditor::InlineStatChange(int row, std::string_view text, int caret) {
  AmountBoxEdit edit = ApplyAmountRules(text, caret, kBonusAmountLimit);
  if (row < 0 || row >= kInlineBonusRows) return edit;
  view_.Rows[row].Amount.Text = edit.Text;
  Refresh();
  return edit;
}

AmountBoxEdit InlineEditor::ProcValueChange(int effect, std::string_view text, int caret) {
  AmountBoxEdit edit = ApplyAmountRules(text, caret, kEffectAmountLimit);
  if (effect < 0 || effect >= kInlineEffectRows) return edit;
  view_.Effects[effect].Amount.Text = edit.Text;
  NotifyViewChanged();
  return edit;
}

void InlineEditor::CustomItemNameChange(std::string_view text) {
  view_.Name.Text = std::string(text);
  Refresh();
}

TItemRecord InlineEditor::BuildInlineItem() const {
  TItemRecord item = EmptyItem();
  item.Name.Assign(view_.Name.Text);
  item.Unique = 1;
  item.ItemType = kItemTypeUnique;
  item.SlotKind = source_.SlotKind;
  item.Note = source_.Note;
  item.Crafted = 0;
  item.Quality = kNoQuality;
  item.Speed = 0;
  item.Source = 0;
  if (slot_ == kCloak || IsWeaponOrMyth(slot_)) item.Armor = 5;
  if (IsArmourPiece(slot_)) item.Armor = 6;
  if (IsArmourPiece(slot_) || IsWeaponOrMyth(slot_)) {
    item.Level = static_cast<std::uint8_t>(std::clamp(defaultCraftedLevel_, 0, 255));
  }
  for (int k = 0; k < kInlineEffectRows; ++k) {
    const InlineEffectRowView& effect = view_.Effects[k];
    int kind = effect.Kind.Selection;
    if (kind == kNoSelection) kind = loadedKind_[k] == kMythirianKind ? kMythirianKind : 0;
    item.EffectKind[k] = static_cast<std::uint8_t>(kind);
    item.EffectId[k] = effect.Effect.Selection >= 0
                           ? static_cast<std::uint16_t>(effect.Effect.Selection)
                           : kNoEffectId;
    item.EffectValue[k] = static_cast<std::uint16_t>(AmountValue(effect.Amount.Text));
  }
  for (int k = 0; k < kInlineBonusRows; ++k) {
    const InlineBonusRowView& row = view_.Rows[k];
    item.BonusCode[k] =
        static_cast<std::uint8_t>(BonusOfArchetype(row.Archetype.Selection, row.Bonus.Selection));
    item.BonusValue[k] = AmountValue(row.Amount.Text);
  }
  return item;
}

void InlineEditor::Refresh() {
  if (refresh_) refresh_();
  NotifyViewChanged();
}

}  // namespace qm
