#include "spellcraft/spellcraft_calculator.h"

#include <algorithm>
#include <array>

#include "core/decimal_text.h"
#include "core/template_record.h"
#include "engine/item_measures.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_limits.h"

namespace qm {
namespace {

constexpr int kHibernia = 1;
constexpr int kLastArmourSlot = kFeet;
constexpr int kTierRowOffset = 4;  // rows 5..8 hold the gem tiers
constexpr std::string_view kEmptyItemName = " ";

// Name suffix by armour class: the usual word, and Hibernia's own word.
struct ArmourSuffix {
  std::string_view Usual;
  std::string_view Hibernian;
};
constexpr std::array<ArmourSuffix, kArmourEntryCount> kArmourSuffixes = {{
    {" Cloth", " Cloth"},
    {" Leather", " Leather"},
    {" Studded", " Reinforced"},
    {" Chain", " Scale"},
    {" Plate", " Plate"},
    {" Item", " Item"},
}};

// A non-armour item is named after the slot it is made for.
struct SlotSuffix {
  int Slot;
  std::string_view Suffix;
};
constexpr std::array<SlotSuffix, 5> kSlotSuffixes = {{
    {kCloak, " Tailored Cloak"},
    {kRightHand, " Weapon"},
    {kLeftHand, " Weapon/Shield"},
    {kTwoHand, " Weapon"},
    {kRanged, " Weapon"},
}};

std::string CutName(std::string_view text) {
  return std::string(text.substr(0, std::min(text.size(), kCraftedNameLength)));
}

}  // namespace

SpellcraftCalculator::SpellcraftCalculator(const SpellcraftContext& context)
    : context_(context), openedWith_(EmptyItem()) {
  state_.Name = CutName(nameText_);
}

void SpellcraftCalculator::SetContext(const SpellcraftContext& context) {
  context_ = context;
}

void SpellcraftCalculator::Reset() {
  // The skill is the crafter's, not the design's: it outlives the design.
  const int skill = state_.CraftSkill;
  state_ = TSpellcraftState{};
  state_.CraftSkill = skill;
  nameText_ = kInitialItemNameText;
  state_.Name = CutName(nameText_);
  bonusLevelText_ = "0";
  armourLocked_ = false;
  active_ = false;
  openedWith_ = EmptyItem();
  NotifyViewChanged();
}

void SpellcraftCalculator::Open(const TItemRecord& startingItem) {
  const ViewBatch batch(*this);
  Reset();
  openedWith_ = startingItem;
  state_.Quality = CraftQualityOf(startingItem);
  if (IsSpellcrafted(startingItem)) {
    LoadCraftedItem(startingItem);
    SCEnter();
    if (startingItem.Name.View() != kEmptyItemName) SCNameChange(startingItem.Name.View());
  } else {
    btnClearClick();
  }
}

void SpellcraftCalculator::SCEnter() {
  const ViewBatch batch(*this);
  active_ = true;
  UpdateGem();
}

bool SpellcraftCalculator::IsArmourSlot() const {
  return context_.Slot >= kChest && context_.Slot <= kLastArmourSlot;
}

const TFifthSlotChoice* SpellcraftCalculator::CurrentChoice() const {
  if (state_.ChoiceIndex < 0 || state_.ChoiceIndex >= static_cast<int>(state_.Choices.size()))
    return nullptr;
  return &state_.Choices[static_cast<std::size_t>(state_.ChoiceIndex)];
}

// ---- gems

void SpellcraftCalculator::SCArchChange(int gem, int archetype) {
  const ViewBatch batch(*this);
  if (!ValidGem(gem) || !GemAt(gem).Enabled) return;
  if (archetype < 0 || archetype >= kGemArchetypeCount) return;
  GemAt(gem).Archetype = archetype;
  SelectBonus(gem, 0);
}

void SpellcraftCalculator::SCFakeChange(int gem, int position) {
  const ViewBatch batch(*this);
  if (!ValidGem(gem) || !GemAt(gem).Enabled) return;
  if (position < 0 || position >= GemArchetypeEntryCount(GemAt(gem).Archetype)) return;
  SelectBonus(gem, position);
}

void SpellcraftCalculator::SelectBonus(int gem, int position) {
  const int shown = GemIndexOfArchetypeEntry(GemAt(gem).Archetype, position);
  GemAt(gem).BonusIndex = shown;
  cChange(gem);
  // Duplicate resolution may have moved the gem off the entry the user chose;
  // the full listing can show wherever it landed.
  TSpellcraftGem& g = GemAt(gem);
  if (g.Archetype != kSelectArchetype && g.BonusIndex != shown) g.Archetype = kFullListingArchetype;
}

void SpellcraftCalculator::csChange(int gem, int tierIndex) {
  const ViewBatch batch(*this);
  if (!ValidGem(gem) || !GemAt(gem).Enabled) return;
  TSpellcraftGem& g = GemAt(gem);
  const auto ladder = GemValueLadder(g.BonusIndex);
  if (tierIndex < 0 || tierIndex >= static_cast<int>(ladder.size())) return;
  g.TierIndex = tierIndex;
  g.Value = ladder[static_cast<std::size_t>(tierIndex)];
  UpdateGem();
}

void SpellcraftCalculator::EmptyGem(int gem) {
  TSpellcraftGem& g = GemAt(gem);
  g.TierIndex = kNoTier;
  g.Value = 0;
  g.BonusIndex = 0;
  cChange(gem);
  GemAt(gem).Archetype = kFullListingArchetype;
}

bool SpellcraftCalculator::IsDuplicate(int gem) const {
  const int index = state_.Gems[static_cast<std::size_t>(gem - 1)].BonusIndex;
  if (index == 0) return false;
  for (int other = 1; other <= kGemSlotCount; ++other)
    if (other != gem && state_.Gems[static_cast<std::size_t>(other - 1)].BonusIndex == index)
      return true;
  return false;
}

void SpellcraftCalculator::cChange(int gem) {
  const ViewBatch batch(*this);
  if (!ValidGem(gem)) return;
  TSpellcraftGem& g = GemAt(gem);
  const auto ladder = GemValueLadder(g.BonusIndex);
  if (ladder.empty()) {
    g.TierIndex = kNoTier;
    g.Value = 0;
  } else {
    g.TierIndex = 0;
    g.Value = ladder[0];
  }
  for (int j = 1; j <= kGemSlotCount; ++j) {
    // A gem that was emptied and then given its old bonus again still equals
    // its remembered index, so it is checked as a duplicate as well.
    if (GemAt(j).BonusIndex != RememberedAt(j) || (j == gem && IsDuplicate(j))) CheckDups(j);
  }
  UpdateGem();
}

void SpellcraftCalculator::CheckDups(int gem) {
  const ViewBatch batch(*this);
  if (!ValidGem(gem)) return;
  int a = GemAt(gem).BonusIndex;
  const int remembered = RememberedAt(gem);
  if (a == 0 || (a == remembered && !IsDuplicate(gem))) return;
  const int step = a >= remembered ? 1 : -1;
  auto usedByOther = [this, gem](int index) {
    for (int other = 1; other <= kGemSlotCount; ++other)
      if (other != gem && GemAt(other).BonusIndex == index) return true;
    return false;
  };
  while (a >= 0 && a < kGemBonusCount && usedByOther(a)) a += step;
  TSpellcraftGem& g = GemAt(gem);
  if (a < 0 || a >= kGemBonusCount) a = 0;
  g.BonusIndex = a;
  RememberedAt(gem) = a;
  if (g.Archetype == kSelectArchetype ? a != 0 : GemArchetypeEntryOf(g.Archetype, a) < 0)
    g.Archetype = kFullListingArchetype;
  cChange(gem);
}

// ---- level, armour and fifth slot

void SpellcraftCalculator::sLevelChange(int level) {
  const ViewBatch batch(*this);
  state_.Level = ClampCraftLevel(level);
  cProc2Change();
}

void SpellcraftCalculator::cAbsSelect(int armourIndex) {
  const ViewBatch batch(*this);
  if (armourLocked_ || armourIndex < 0 || armourIndex >= kArmourEntryCount) return;
  state_.ArmourIndex = armourIndex;
  cAbsChange();
}

void SpellcraftCalculator::cProc2Select(int position) {
  const ViewBatch batch(*this);
  if (state_.Level < kMaxCraftLevel) return;  // the selector is disabled
  if (position < 0 || position >= static_cast<int>(state_.Choices.size())) return;
  state_.ChoiceIndex = position;
  cProc2Change();
}

void SpellcraftCalculator::sChange() {
  const ViewBatch batch(*this);
  if (state_.Level < kMaxCraftLevel) {
    const int before = state_.FifthIndex;
    state_.ChoiceIndex = 0;
    state_.FifthIndex = kNoFifthSlotBonus;
    // Dropping a legendary bonus must also release the gem it locked.
    if (before != kNoFifthSlotBonus) cProc1Change();
  }
  UpdateGem();
}

void SpellcraftCalculator::cAbsChange() {
  const ViewBatch batch(*this);
  const int maxArmor = std::clamp(context_.MaxArmor, 0, kNonArmour - 1);
  state_.ArmourIndex = std::clamp(state_.ArmourIndex, 0, kNonArmour);
  if (IsArmourSlot() && state_.ArmourIndex > maxArmor) state_.ArmourIndex = maxArmor;
  FifthSlotQuery query;
  query.Slot = context_.Slot;
  query.ArmourIndex = state_.ArmourIndex;
  query.Realm = context_.Realm;
  query.UniversalRealm = context_.UniversalRealm;
  query.ClassIndex = context_.ClassIndex;
  query.ShieldSize = context_.ShieldSize;
  query.ChampionLevel3 = context_.ChampionLevel3;
  query.PlaysInstrument = context_.PlaysInstrument;
  query.UsesBow = context_.UsesBow;
  state_.Choices = SetupCProc2(query);
  state_.ChoiceIndex = 0;
  state_.FifthIndex = kNoFifthSlotBonus;
  sChange();
  UpdateGem();
  SetNameBox(AutoNameText());
}

void SpellcraftCalculator::cProc2Change() {
  const ViewBatch batch(*this);
  const TFifthSlotChoice* choice = CurrentChoice();
  state_.FifthIndex = choice != nullptr ? choice->Index : kNoFifthSlotBonus;
  cProc1Change();
  sChange();
  SetNameBox(AutoNameText());
}

void SpellcraftCalculator::cProc1Change() {
  const ViewBatch batch(*this);
  TSpellcraftGem& gem4 = GemAt(kGemSlotCount);
  gem4.Enabled = true;
  if (IsLegendaryFifthSlot(state_.FifthIndex) && context_.Slot > kLastArmourSlot) {
    // The legendary weapon bonuses take the fourth gem's place on a weapon.
    gem4.Archetype = kSelectArchetype;
    gem4.BonusIndex = 0;
    gem4.TierIndex = kNoTier;
    gem4.Value = 0;
    gem4.Enabled = false;
  }
  state_.SavedFifthIndex = state_.FifthIndex;
  UpdateGem();
}

int SpellcraftCalculator::ChoiceFor(int fifthIndex, const TItemRecord& source) const {
  if (fifthIndex <= 0) return 0;
  // With every realm offered, equal captions are told apart by the position
  // the item stored; it counts only while it still holds that bonus.
  const int stored = source.EffectId[1];
  if (context_.UniversalRealm && IsSpellcrafted(source) && stored != 0 &&
      stored < static_cast<int>(state_.Choices.size()) &&
      state_.Choices[static_cast<std::size_t>(stored)].Index == fifthIndex)
    return stored;
  const std::string_view caption = FifthSlotCaption(fifthIndex);
  for (std::size_t i = 0; i < state_.Choices.size(); ++i)
    if (!caption.empty() && state_.Choices[i].Text == caption) return static_cast<int>(i);
  return 0;
}

// ---- name

std::string SpellcraftCalculator::AutoNameText() const {
  if (!state_.AutoNaming) return nameText_;
  const int armour = std::clamp(state_.ArmourIndex, 0, kNonArmour);
  const ArmourSuffix& suffix = kArmourSuffixes[static_cast<std::size_t>(armour)];
  std::string name = "Lv" + std::to_string(state_.Level);
  std::string_view word = context_.Realm == kHibernia ? suffix.Hibernian : suffix.Usual;
  if (armour == kNonArmour) {
    for (const SlotSuffix& slot : kSlotSuffixes)
      if (slot.Slot == context_.Slot) word = slot.Suffix;
  }
  name += word;
  if (state_.FifthIndex > 0) {
    name += " : ( ";
    name += FifthSlotCaption(state_.FifthIndex);
    name += " )";
  }
  const TFifthSlotChoice* choice = CurrentChoice();
  if (choice != nullptr && choice->HasItemName()) name = choice->ItemName;
  return name;
}

void SpellcraftCalculator::SetNameBox(std::string text) {
  nameText_ = std::move(text);
  state_.Name = CutName(nameText_);
}

void SpellcraftCalculator::eItemNameKeyPress() {
  state_.AutoNaming = false;
  NotifyViewChanged();
}

void SpellcraftCalculator::SCNameChange(std::string_view text) {
  const ViewBatch batch(*this);
  SetNameBox(std::string(text));
  UpdateGem();
}

void SpellcraftCalculator::TypeName(std::string_view text) {
  const ViewBatch batch(*this);
  eItemNameKeyPress();
  SCNameChange(text);
}

void SpellcraftCalculator::AutoNameClick(bool checked) {
  const ViewBatch batch(*this);
  state_.AutoNaming = checked;
  SCNameChange(AutoNameText());
}

// ---- the crafter and the item quality

void SpellcraftCalculator::eSkillChange(int skill) {
  const ViewBatch batch(*this);
  SetCraftSkill(skill);
  UpdateGem();
}

void SpellcraftCalculator::cQualityChange(int quality) {
  const ViewBatch batch(*this);
  state_.Quality = ClampCraftQuality(quality);
  UpdateGem();
}

// ---- the whole design

void SpellcraftCalculator::UpdateGem() {
  for (int k = 0; k < kGemSlotCount; ++k) {
    const TSpellcraftGem& gem = state_.Gems[static_cast<std::size_t>(k)];
    state_.Cost[static_cast<std::size_t>(k)] =
        gem.BonusIndex == 0 ? 0.0 : GemImbueCost(gem.BonusIndex, gem.Value);
  }
  state_.HighGem = state_.Cost[0];
  for (int k = 1; k < kGemSlotCount; ++k)
    if (state_.Cost[static_cast<std::size_t>(k)] > state_.HighGem)
      state_.HighGem = state_.Cost[static_cast<std::size_t>(k)];
  double charge = state_.HighGem;
  for (double cost : state_.Cost) charge += cost;
  state_.Charge = charge > 0 ? charge / 2 : charge;
  state_.Capacity = ImbueCapacity(state_.Level, state_.ArmourIndex);
  state_.MaxOvercharge = state_.Capacity + kOverchargeAllowance;
  state_.Valid = state_.Charge <= state_.MaxOvercharge;
  state_.OverchargeSuccess =
      OverchargeSuccess(state_.Charge, state_.Capacity, state_.CraftSkill, state_.Quality);
  SetNameBox(AutoNameText());

  // The bonus level is that of the same bonuses on an uncrafted item.
  const TItemRecord preview = BuildCraftedItem(CraftedItemVariant::kPreview);
  TItemRecord measured = preview;
  measured.ItemType = 0;
  measured.Crafted = 0;
  bonusLevelText_ = ComputeBonusLevel(measured);
  if (active_ && sink_ && state_.Valid && state_.Charge >= 0)
    RunAtCommandEnd([this, preview] { sink_(preview); });
  NotifyViewChanged();
}

int SpellcraftCalculator::GemCount() const {
  return qm::GemCount(state_, context_.ForceFifthSlot);
}

FifthSlotBonus SpellcraftCalculator::SetFifth() const {
  return qm::SetFifth(state_, context_.ForceFifthSlot);
}

TItemRecord SpellcraftCalculator::BuildCraftedItem(CraftedItemVariant variant) const {
  return qm::BuildCraftedItem(state_, context_, variant);
}

std::optional<TItemRecord> SpellcraftCalculator::btnReturnClick() const {
  if (!state_.Valid) return std::nullopt;
  return BuildCraftedItem(CraftedItemVariant::kReturned);
}

void SpellcraftCalculator::btnClearClick() {
  const ViewBatch batch(*this);
  const int defaultLevel = ClampCraftLevel(context_.DefaultCraftedLevel);
  if (context_.Slot == kCloak) {
    state_.Level = kMinCraftLevel;
    state_.ArmourIndex = kNonArmour;
    armourLocked_ = true;
    state_.Choices = {{kCloakFifthSlotText, kNoFifthSlotBonus, {}}};
  } else if (IsArmourSlot()) {
    state_.Level = defaultLevel;
    armourLocked_ = false;
  } else {
    state_.Level = defaultLevel;
    state_.ArmourIndex = kNonArmour;
    armourLocked_ = true;
  }
  state_.AutoNaming = true;
  state_.Remembered = {};
  for (int k = 1; k <= kGemSlotCount; ++k) EmptyGem(k);
  state_.ChoiceIndex = 0;
  cProc2Change();
  state_.SavedFifthIndex = kNoFifthSlotBonus;
  state_.ArmourIndex = IsNonArmourSlot() ? kNonArmour : context_.MaxArmor;
  cAbsChange();
  UpdateGem();
}

void SpellcraftCalculator::btnGemClearClick() {
  const ViewBatch batch(*this);
  const int saved = state_.SavedFifthIndex;
  for (int k = 1; k <= kGemSlotCount; ++k) EmptyGem(k);
  state_.FifthIndex = saved;
  state_.ChoiceIndex = ChoiceFor(saved, openedWith_);
  cProc2Change();
  state_.Remembered = {};
  UpdateGem();
}

void SpellcraftCalculator::btnUndoClick() {
  const ViewBatch batch(*this);
  state_.Quality = CraftQualityOf(openedWith_);
  if (IsSpellcrafted(openedWith_)) {
    LoadCraftedItem(openedWith_);
  } else {
    btnClearClick();
  }
}

void SpellcraftCalculator::LoadCraftedItem(const TItemRecord& item) {
  const ViewBatch batch(*this);
  btnClearClick();
  // Items of other origins may hold codes no gem gives, tiers past a ladder,
  // levels outside 1..51 or a fifth-slot index past the table: each is
  // brought back to something the tab can show.
  std::array<int, kGemSlotCount> bonus{};
  for (int k = 1; k <= kGemSlotCount; ++k) {
    bonus[static_cast<std::size_t>(k - 1)] = GemIndexOfCode(item.BonusCode[k - 1]);
    RememberedAt(k) = bonus[static_cast<std::size_t>(k - 1)];
  }
  const int fifth = item.EffectKind[1] < kFifthSlotBonusCount ? item.EffectKind[1] : 0;
  state_.SavedFifthIndex = fifth;
  for (int k = 1; k <= kGemSlotCount; ++k) {
    GemAt(k).Archetype = kFullListingArchetype;
    SelectBonus(k,
                GemArchetypeEntryOf(kFullListingArchetype, bonus[static_cast<std::size_t>(k - 1)]));
    TSpellcraftGem& g = GemAt(k);
    const auto ladder = GemValueLadder(g.BonusIndex);
    if (!ladder.empty()) {
      const int stored = item.BonusValue[kTierRowOffset + k - 1];
      g.TierIndex = std::clamp(stored, 0, static_cast<int>(ladder.size()) - 1);
      g.Value = ladder[static_cast<std::size_t>(g.TierIndex)];
    }
  }
  state_.Level = ClampCraftLevel(item.Level);
  armourLocked_ = false;
  state_.ArmourIndex = std::min<int>(item.Armor, kNonArmour);
  cAbsChange();
  armourLocked_ = IsNonArmourSlot();
  state_.FifthIndex = fifth;
  state_.ChoiceIndex = ChoiceFor(fifth, item);
  cProc2Change();
  state_.AutoNaming = item.BonusLevelFixed != 0;
  if (item.Name.View() != kEmptyItemName) SCNameChange(item.Name.View());
  if (state_.AutoNaming) SCNameChange(AutoNameText());
  if (nameText_ == kEmptyItemName) SCNameChange(AutoNameText());
  sChange();
  UpdateGem();
}

// ---- view

SpellcraftView SpellcraftCalculator::View() const {
  SpellcraftView view;
  for (int level = 1; level <= kMaxCraftLevel; ++level)
    view.Level.Entries.push_back(std::to_string(level));
  view.Level.Selection = state_.Level - 1;
  for (int armour = 0; !ArmourEntryText(armour).empty(); ++armour)
    view.Armour.Entries.emplace_back(ArmourEntryText(armour));
  view.Armour.Selection = state_.ArmourIndex;
  view.Armour.Enabled = !armourLocked_;
  for (const TFifthSlotChoice& choice : state_.Choices)
    view.Fifth.Entries.emplace_back(choice.Text);
  view.Fifth.Selection = state_.ChoiceIndex;
  view.Fifth.Enabled = state_.Level >= kMaxCraftLevel;
  view.Name.Text = nameText_;
  view.AutoName.Checked = state_.AutoNaming;
  for (int k = 0; k < kGemSlotCount; ++k) {
    const TSpellcraftGem& gem = state_.Gems[static_cast<std::size_t>(k)];
    SpellcraftGemView& row = view.Gems[static_cast<std::size_t>(k)];
    for (int a = 0; a < kGemArchetypeCount; ++a)
      row.Archetype.Entries.emplace_back(GemArchetypeName(a));
    row.Archetype.Selection = gem.Archetype;
    row.Archetype.Enabled = gem.Enabled;
    for (int p = 0; p < GemArchetypeEntryCount(gem.Archetype); ++p)
      row.Bonus.Entries.emplace_back(GemArchetypeEntryText(gem.Archetype, p));
    row.Bonus.Selection = std::max(0, GemArchetypeEntryOf(gem.Archetype, gem.BonusIndex));
    row.Bonus.Enabled = gem.Enabled;
    for (int value : GemValueLadder(gem.BonusIndex))
      row.Value.Entries.push_back(std::to_string(value));
    row.Value.Selection = gem.TierIndex;
    row.Value.Enabled = gem.Enabled && gem.BonusIndex != 0;
    row.Cost.Text = FormatOneDecimal(state_.Cost[static_cast<std::size_t>(k)]);
  }
  view.HighGem.Text = FormatOneDecimal(state_.HighGem);
  view.BonusLevel.Text = bonusLevelText_;
  view.Charge.Text = FormatOneDecimal(state_.Charge);
  view.Charge.Colour = state_.Valid ? kBlue : kRed;
  view.Capacity.Text = std::to_string(state_.Capacity);
  view.MaxOvercharge.Text = FormatOneDecimal(state_.MaxOvercharge);
  view.Skill = {state_.CraftSkill, kMinCraftSkill, kMaxCraftSkill};
  for (int quality = kMinCraftQuality; quality <= kMaxCraftQuality; ++quality)
    view.Quality.Entries.push_back(std::to_string(quality));
  view.Quality.Selection = state_.Quality - kMinCraftQuality;
  view.OverchargeSuccess.Text = OverchargeSuccessText(state_.OverchargeSuccess);
  view.OverchargeSuccess.Colour = view.Charge.Colour;
  view.Return.Enabled = state_.Valid;
  return view;
}

}  // namespace qm
