#pragma once
// The state of the "&Spellcraft" tab and what it reads from the rest of the
// program. The calculator (spellcraft_calculator.h) performs every command on
// it; the window only shows the view state and forwards the user's actions.
#include <array>
#include <string>
#include <vector>

#include "ports/view_state.h"
#include "spellcraft/fifth_slot_catalogue.h"
#include "spellcraft/overcharge_chance.h"

namespace qm {

inline constexpr int kGemSlotCount = 4;
inline constexpr int kNoTier = -1;
inline constexpr std::size_t kCraftedNameLength = 51;

// What the tab reads from the main window and the item search.
struct SpellcraftContext {
  int Slot = 9;         // slot number 1..19 (3 Cloak, 9..14 Chest..Feet, 15..18 weapons)
  int Realm = 0;        // the character's realm 0..2
  int ClassIndex = -1;  // -1 when no class is chosen
  int MaxArmor = 4;     // the class's best armour grade, 0 cloth .. 4 plate
  int ShieldSize = 0;   // 0 none, 15 small, 16 medium, 17 large
  bool PlaysInstrument = false;
  bool UsesBow = false;
  bool ChampionLevel3 = false;   // the main window's "Cham&p Level 3+" box
  int DefaultCraftedLevel = 51;  // the template's default crafted level
  bool ForceFifthSlot = false;   // "&Force Fifth Slot Calculation"
  bool UniversalRealm = false;   // the item search offers items of every realm
};

// The character level below 39 crafts at its own level; higher levels craft at 51.
int DefaultCraftedLevel(int characterLevel);
// The context of a class as the class table describes it.
SpellcraftContext SpellcraftContextOf(int slot, int classIndex, int characterLevel,
                                      bool championLevel3, bool forceFifthSlot,
                                      bool universalRealm);

struct TSpellcraftGem {
  int BonusIndex = 0;       // gem bonus list index, 0 = empty
  int TierIndex = kNoTier;  // position in the value ladder, kNoTier when empty
  int Value = 0;            // the ladder value at TierIndex
  int Archetype = 0;        // the view the user chose (presentation only)
  bool Enabled = true;      // gem 4 is locked by the legendary weapon bonuses
};

struct TSpellcraftState {
  int Level = 1;
  int ArmourIndex = 0;
  std::array<TSpellcraftGem, kGemSlotCount> Gems{};
  // The last resolved non-empty bonus of each gem slot, for duplicate resolution.
  std::array<int, kGemSlotCount> Remembered{};
  std::vector<TFifthSlotChoice> Choices{{kNoExtraBonusText, 0, {}}};
  int ChoiceIndex = 0;
  int FifthIndex = 0;
  int SavedFifthIndex = 0;
  std::string Name;  // at most 51 characters
  bool AutoNaming = true;
  // The crafter's spellcraft skill (kept for the whole run, like a setting)
  // and the quality of the item being imbued; they decide OverchargeSuccess.
  int CraftSkill = kDefaultCraftSkill;
  int Quality = kMaxCraftQuality;
  // Computed by UpdateGem.
  std::array<double, kGemSlotCount> Cost{};
  double HighGem = 0;
  double Charge = 0;
  int Capacity = 0;
  double MaxOvercharge = 0;
  bool Valid = true;
  int OverchargeSuccess = 100;  // percent
};

// One gem row of the tab: archetype, bonus and value selectors and its cost;
// k is the gem's number 1..4.
struct SpellcraftGemView {
  ComboState Archetype;  // archtype<k>
  ComboState Bonus;      // scFake<k>
  ComboState Value;      // cs<k>: no selection while the gem is empty
  LabelState Cost;       // g<k>
};

// Everything the tab shows, control by control.
struct SpellcraftView {
  ComboState Level;     // sLevel: "1" .. "51"
  ComboState Armour;    // cAbs
  ComboState Fifth;     // cProc2
  TextBoxState Name;    // eItemName
  CheckState AutoName;  // AutoName
  std::array<SpellcraftGemView, kGemSlotCount> Gems;
  LabelState HighGem;            // highgem
  LabelState BonusLevel;         // blval
  LabelState Charge;             // charge: blue while the design is valid, red over its limit
  LabelState Capacity;           // imbuecap
  LabelState MaxOvercharge;      // maxoc
  SpinBoxState Skill;            // eSkill: the crafter's spellcraft skill
  ComboState Quality;            // cQuality: "94" .. "100"
  LabelState OverchargeSuccess;  // ocsuccess: "Overcharge success : 82%", coloured as the charge
  ControlState Return;           // btnReturn: the window's "&Return Item"
};

}  // namespace qm
