#pragma once
// The model of the "&Spellcraft" tab of the item workbench: designs a crafted
// item from a level, an armour class, up to four gems and a fifth-slot bonus,
// prices it in imbue points and turns it into an item record. Handlers carry
// the names of the window events that run them; the window copies View() into
// its controls after each one.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/item_record.h"
#include "ports/view_notifier.h"
#include "spellcraft/fifth_slot_bonus.h"
#include "spellcraft/overcharge_chance.h"
#include "spellcraft/spellcraft_item.h"
#include "spellcraft/spellcraft_state.h"

namespace qm {

inline constexpr std::string_view kInitialItemNameText = "Enter item name";
inline constexpr std::string_view kAutoNameHint =
    "Uncheck this to disable the auto-naming feature (So you can set the item name yourself)";

// Every handler and operation announces once; a live preview goes out once,
// at the end of the handler, with the last valid design it produced.
class SpellcraftCalculator : public ViewNotifier {
 public:
  // Receives the live preview of a design within its limit.
  using PreviewSink = std::function<void(const TItemRecord&)>;

  explicit SpellcraftCalculator(const SpellcraftContext& context = {});

  // The window's life: a new context for each opening, then Open.
  void SetContext(const SpellcraftContext& context);
  void SetPreviewSink(PreviewSink sink) { sink_ = std::move(sink); }
  // Back to the empty design every opening starts from.
  void Reset();
  // Opens the tab on the slot's item: a crafted item is loaded and the tab
  // becomes the active one; any other item leaves a cleared design.
  void Open(const TItemRecord& startingItem);
  // The tab was entered: from now on the preview follows the design.
  void SCEnter();
  // Another tab was entered: the preview no longer follows the design.
  void SCExit() { active_ = false; }
  bool Active() const { return active_; }

  // Controls; gems are numbered 1..4. Input a control could not produce
  // (a disabled control, a position beyond its entries) is ignored.
  void SCArchChange(int gem, int archetype);
  void SCFakeChange(int gem, int position);
  void csChange(int gem, int tierIndex);
  void sLevelChange(int level);
  void cAbsSelect(int armourIndex);
  void cProc2Select(int position);
  // A key typed into the name box turns autonaming off.
  void eItemNameKeyPress();
  // The name box text changed.
  void SCNameChange(std::string_view text);
  // Typing a whole name: the key press, then the change.
  void TypeName(std::string_view text);
  void AutoNameClick(bool checked);
  // The skill box (1..1200) and the quality selector (94..100); a value
  // outside the range is brought into it.
  void eSkillChange(int skill);
  void cQualityChange(int quality);
  // The skill the settings hold, given at each opening; Reset keeps it.
  void SetCraftSkill(int skill) { state_.CraftSkill = ClampCraftSkill(skill); }
  void btnClearClick();
  void btnGemClearClick();
  void btnUndoClick();
  // The returned item, or nothing while the design is over its limit.
  std::optional<TItemRecord> btnReturnClick() const;

  // Operations on the design.
  void UpdateGem();
  void cChange(int gem);
  void CheckDups(int gem);
  void sChange();
  void cAbsChange();
  void cProc2Change();
  void cProc1Change();
  void LoadCraftedItem(const TItemRecord& item);
  int GemCount() const;
  FifthSlotBonus SetFifth() const;
  std::string AutoNameText() const;
  TItemRecord BuildCraftedItem(CraftedItemVariant variant) const;

  const TSpellcraftState& State() const { return state_; }
  const SpellcraftContext& Context() const { return context_; }
  const std::string& NameBoxText() const { return nameText_; }
  const std::string& BonusLevelText() const { return bonusLevelText_; }
  SpellcraftView View() const;

 private:
  bool ValidGem(int gem) const { return gem >= 1 && gem <= kGemSlotCount; }
  TSpellcraftGem& GemAt(int gem) { return state_.Gems[static_cast<std::size_t>(gem - 1)]; }
  int& RememberedAt(int gem) { return state_.Remembered[static_cast<std::size_t>(gem - 1)]; }
  bool IsDuplicate(int gem) const;
  void SelectBonus(int gem, int position);
  void EmptyGem(int gem);
  void SetNameBox(std::string text);
  const TFifthSlotChoice* CurrentChoice() const;
  int ChoiceFor(int fifthIndex, const TItemRecord& source) const;
  bool IsArmourSlot() const;
  bool IsNonArmourSlot() const { return !IsArmourSlot(); }

  SpellcraftContext context_;
  TSpellcraftState state_;
  TItemRecord openedWith_;
  PreviewSink sink_;
  std::string nameText_{kInitialItemNameText};
  std::string bonusLevelText_ = "0";
  bool armourLocked_ = false;
  bool active_ = false;
};

}  // namespace qm
