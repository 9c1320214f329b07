#include "mainwin/totals_display.h"

#include <iterator>
#include <string_view>

#include "core/class_table.h"
#include "engine/caps.h"

namespace qm {
namespace {

// One figure row: the key of its object names, the name label's caption, the
// tags of its labels and the field it shows.
struct RowLayout {
  std::string_view Key;
  std::string_view Caption;
  int Tag;
  int CapTag;
  StatField Field;
};

// The ToA, PvE and point rows show the total against its cap, no difference.
constexpr RowLayout kPointRows[] = {
    {"Exp", "Experience Increase", 162, 162, StatField::kExperienceBonus},
    {"RP", "Realm Points", 163, 163, StatField::kRealmPointBonus},
    {"BP", "Bounty Points", 164, 164, StatField::kBountyPointBonus},
    {"Cash", "Cash Drop Increase", 165, 165, StatField::kCashDrops},
};

constexpr RowLayout kToARows[] = {
    {"Power", "Power Pool % Increase", 145, 144, StatField::kPowerPool},
    {"Fatigue", "Fatigue (Endo) Bonus", 147, 190, StatField::kFatigue},
    {"AF", "Armor Factor", 148, 148, StatField::kArmorFactor},
    {"Healing", "Healing Effectiveness", 160, 160, StatField::kHealingBonus},
    {"Buff", "Buffing Effectiveness", 161, 161, StatField::kBuffBonus},
    {"Debuff", "Debuff Effectiveness", 184, 184, StatField::kDebuffBonus},
    {"MeleeSpeed", "Melee Speed", 149, 149, StatField::kMeleeSpeed},
    {"MeleeDamage", "Melee Damage", 150, 150, StatField::kMeleeDamage},
    {"StyleDamage", "Style Damage", 151, 151, StatField::kStyleDamage},
    {"CastSpeed", "Casting/Archery Speed", 152, 152, StatField::kSpellSpeed},
    {"CastDamage", "Casting/Archery Damage", 153, 153, StatField::kSpellDamage},
    {"CastRange", "Casting/Archery Range", 154, 154, StatField::kSpellRange},
    {"Pierce", "Spell Piercing", 155, 155, StatField::kSpellPierce},
    {"Duration", "Spell Duration", 156, 156, StatField::kSpellDuration},
    {"Siphon", "Arcane Siphoning", 170, 170, StatField::kArcaneSiphon},
};

constexpr RowLayout kPvERows[] = {
    {"Evade", "Evade Bonus", 166, 166, StatField::kEvadeBonus},
    {"Block", "Block Bonus", 167, 167, StatField::kBlockBonus},
    {"Parry", "Parry Bonus", 168, 168, StatField::kParryBonus},
    {"XPLoss", "Exp. Loss Reduction", 169, 169, StatField::kXPLossReduction},
    {"ToHit", "To Hit Bonus", 171, 171, StatField::kToHitBonus},
    {"Bladeturn", "Bladeturn Bonus", 175, 175, StatField::kBladeturnBonus},
    {"Concentration", "Concentration", 177, 177, StatField::kConcentration},
    {"StyleCost", "Style Cost Reduction", 172, 172, StatField::kStyleCostReduction},
    {"SpellCost", "Spell Cost Reduction", 173, 173, StatField::kSpellCostReduction},
    {"NegEffects", "Negative Effect Reduction", 176, 176, StatField::kNegativeEffects},
    {"Reactionary", "Reactionary Damage", 178, 178, StatField::kReactionary},
    {"Defensive", "Defensive Bonus", 183, 183, StatField::kDefensiveBonus},
};

constexpr RowLayout kMainStatRows[] = {
    {"Str", "Strength", 1, 134, StatField::kStrength},
    {"Con", "Constitution", 2, 135, StatField::kConstitution},
    {"Dex", "Dexterity", 3, 136, StatField::kDexterity},
    {"Qui", "Quickness", 4, 137, StatField::kQuickness},
    {"Acu", "", 142, 143, StatField::kAcuity},
    {"Hits", "Hit Points", 10, 146, StatField::kHitPoints},
};

constexpr RowLayout kResistRows[] = {
    {"Crush", "Crush", 11, 11, StatField::kCrush},
    {"Slash", "Slash", 12, 12, StatField::kSlash},
    {"Thrust", "Thrust", 13, 13, StatField::kThrust},
    {"Heat", "Heat", 14, 14, StatField::kHeat},
    {"Cold", "Cold", 15, 15, StatField::kCold},
    {"Energy", "Energy", 16, 16, StatField::kEnergy},
    {"Matter", "Matter", 17, 17, StatField::kMatter},
    {"Body", "Body", 18, 18, StatField::kBody},
    {"Spirit", "Spirit", 19, 19, StatField::kSpirit},
};

constexpr std::string_view kAcuityCaptions[] = {"", "Piety", "Intelligence", "Empathy", "Charisma"};

// Skill rows that hold a real skill; the others are display-only or empty.
bool IsCountedSkillRow(int code) {
  return code >= 23 && code <= 249;
}

FigureRow MakeRow(std::string_view valuePrefix, std::string_view capPrefix, std::string_view key,
                  std::string_view caption, bool hasDiff) {
  FigureRow row;
  const std::string k(key);
  row.ValueObject = std::string(valuePrefix) + k;
  row.CapObject = std::string(capPrefix) + k + (capPrefix == valuePrefix ? "Cap" : "");
  row.NameObject = row.ValueObject + "Name";
  row.DiffObject = hasDiff ? std::string(valuePrefix) + k + "Dis" : std::string();
  row.HasDiff = hasDiff;
  row.Name.Text = std::string(caption);
  return row;
}

void SetAllTags(FigureRow& row, int tag, int capTag) {
  row.Name.Tag = tag;
  row.Value.Tag = tag;
  row.Diff.Tag = tag;
  row.Cap.Tag = capTag;
}

std::string Difference(int cap, int total) {
  return total < cap ? "(-" + std::to_string(cap - total) + ")"
                     : "(+" + std::to_string(total - cap) + ")";
}

Colour FigureColour(int total, int cap) {
  if (total > cap) return kRed;
  return total != 0 ? kBlue : kBlack;
}

void RecalcMainStat(FigureRow& row, StatField field, int acuityKind, const TotalsAndCaps& result) {
  const TTotalsRecord& totals = result.Totals;
  const TCapsRecord& caps = result.Caps;
  const int capIncrease = CapIncreaseTotal(totals, field, acuityKind);
  const int capIncreaseLimit = CapIncreaseLimit(caps, field, acuityKind);
  const int cap = EffectiveCap(caps, totals, field, acuityKind);
  const int total =
      field == StatField::kAcuity ? AcuityTotal(totals, acuityKind) : GetStat(totals, field);

  row.Cap.Text = "/ " + std::to_string(cap);
  row.Cap.Hint = "Cap Increase: " + std::to_string(capIncrease);
  row.Cap.HintEnabled = true;
  row.Cap.Colour = capIncrease > capIncreaseLimit ? kRed : capIncrease != 0 ? kBlue : kBlack;

  row.Value.Text = std::to_string(total);
  row.Amount = total;
  row.CapAmount = cap;
  row.Value.HintEnabled = true;
  row.Diff.Text = Difference(cap, total);
  row.Diff.HintEnabled = true;
  row.Value.Colour = FigureColour(total, cap);
  row.Diff.Colour = row.Value.Colour;
  row.Name.Colour = row.Value.Colour;
}

void RecalcAcuityRow(FigureRow& row, int acuityKind, const TotalsAndCaps& result) {
  if (acuityKind < 1 || acuityKind > 4) {
    row.Name.Text.clear();
    row.Diff.Text = " ";
    SetAllTags(row, 0, 0);
    row.Cap.Text.clear();
    row.Value.Text.clear();
    row.Value.Hint.clear();
    row.Amount = row.CapAmount = 0;
    return;
  }
  row.Name.Text = std::string(kAcuityCaptions[acuityKind]);
  SetAllTags(row, 4 + acuityKind, 137 + acuityKind);
  RecalcMainStat(row, StatField::kAcuity, acuityKind, result);
}

void RecalcPlainRow(FigureRow& row, int total, int cap) {
  row.Value.Text = std::to_string(total);
  row.Amount = total;
  row.CapAmount = cap;
  row.Cap.Text = "/" + std::to_string(cap);
  row.Value.Colour = FigureColour(total, cap);
  row.Cap.Colour = row.Value.Colour;
  row.Name.Colour = row.Value.Colour;
}

template <std::size_t N>
std::vector<FigureRow> PlainRows(const RowLayout (&layouts)[N]) {
  std::vector<FigureRow> rows;
  for (const RowLayout& layout : layouts) {
    FigureRow row = MakeRow("i", "c", layout.Key, layout.Caption, false);
    row.Value.Text = "+0";
    row.Cap.Text = "/ 0";
    SetAllTags(row, layout.Tag, layout.CapTag);
    rows.push_back(std::move(row));
  }
  return rows;
}

template <std::size_t N>
void RecalcPlainGroup(std::vector<FigureRow>& rows, const RowLayout (&layouts)[N],
                      const TotalsAndCaps& result) {
  for (std::size_t i = 0; i < N && i < rows.size(); ++i) {
    const StatField field = layouts[i].Field;
    const int cap = field == StatField::kPowerPool
                        ? EffectiveCap(result.Caps, result.Totals, field, 0)
                        : GetStat(result.Caps, field);
    RecalcPlainRow(rows[i], GetStat(result.Totals, field), cap);
  }
}

}  // namespace

std::vector<const FigureRow*> TotalsDisplay::AllRows() const {
  std::vector<const FigureRow*> rows;
  for (const auto& row : MainStats) rows.push_back(&row);
  for (const auto& row : Resists) rows.push_back(&row);
  for (const auto& row : Skills) rows.push_back(&row);
  for (const auto* group : {&Points, &ToA, &PvE})
    for (const auto& row : *group) rows.push_back(&row);
  return rows;
}

const FigureRow* TotalsDisplay::Find(const std::string& valueObject) const {
  for (const FigureRow* row : AllRows())
    if (row->ValueObject == valueObject) return row;
  return nullptr;
}

TotalsDisplay InitialTotalsDisplay() {
  TotalsDisplay display;
  for (std::size_t i = 0; i < display.MainStats.size(); ++i) {
    const RowLayout& layout = kMainStatRows[i];
    FigureRow& row = display.MainStats[i];
    row = MakeRow("l", "l", layout.Key, layout.Caption, true);
    row.Value.Text = "0";
    row.Cap.Text = "/ 0";
    row.Cap.Hint = "+ToA Cap";
    row.Cap.HintEnabled = true;
    row.Diff.Text = "(+0)";
    SetAllTags(row, layout.Tag, layout.CapTag);
  }
  for (std::size_t i = 0; i < display.Resists.size(); ++i) {
    const RowLayout& layout = kResistRows[i];
    FigureRow& row = display.Resists[i];
    row = MakeRow("l", "l", layout.Key, layout.Caption, true);
    row.Value.Text = "0";
    row.Cap.Text = "/ 0%";
    row.Diff.Text = "(+0)";
    SetAllTags(row, layout.Tag, layout.CapTag);
  }
  for (std::size_t i = 0; i < display.Skills.size(); ++i) {
    FigureRow& row = display.Skills[i];
    row = MakeRow("l", "l", "Skill" + std::to_string(i + 1), "", true);
    row.Value.Text = "0";
    row.Value.Hint = "to cap";
    row.Value.HintEnabled = true;
    row.Cap.Text = "/ 0";
    row.Diff.Text = "(+0)";
  }
  display.Points = PlainRows(kPointRows);
  display.ToA = PlainRows(kToARows);
  display.PvE = PlainRows(kPvERows);
  return display;
}

void ApplyClassToDisplay(TotalsDisplay& display, int classIndex) {
  const ClassInfo& info = ClassOf(classIndex);
  for (std::size_t i = 0; i < display.Skills.size(); ++i) {
    FigureRow& row = display.Skills[i];
    // Cap and difference go too: an unused row must not keep the last class's figures.
    row.Name.Text.clear();
    row.Value.Text.clear();
    row.Cap.Text.clear();
    row.Diff.Text.clear();
    row.Amount = row.CapAmount = 0;
    const SkillRow& skill = info.Rows[i];
    SetAllTags(row, skill.Code, skill.Code);
    if (skill.Code == kEmptySkillRow && skill.Label.empty()) continue;
    row.Name.Text = std::string(skill.Label);
    if (!IsCountedSkillRow(skill.Code)) {
      row.Value.Text = "0";
      row.Cap.Text = "/ 0";
    }
  }
}

void RecalcTotalsDisplay(TotalsDisplay& display, const TTemplateRecord& tpl,
                         const TCharAttributes& attributes, const TotalsAndCaps& result) {
  const int acuityKind = attributes.AcuityKind;
  for (std::size_t i = 0; i < display.MainStats.size(); ++i) {
    if (static_cast<int>(i) == kAcuityRow) {
      RecalcAcuityRow(display.MainStats[i], acuityKind, result);
    } else {
      RecalcMainStat(display.MainStats[i], kMainStatRows[i].Field, acuityKind, result);
    }
  }

  const int skillCap = result.Caps.SkillCap;
  for (FigureRow& row : display.Skills) {
    const int code = row.Value.Tag;
    if (!IsCountedSkillRow(code)) {
      row.Diff.Text = " ";
      continue;
    }
    row.Cap.Text = "/ " + std::to_string(skillCap);
    const int value = SkillBonusTotal(code, tpl) + tpl.RealmRank - 1;
    row.Value.Text = std::to_string(value);
    row.Amount = value;
    row.CapAmount = skillCap;
    if (skillCap >= value) {
      row.Diff.Text = "(-" + std::to_string(skillCap - value) + ")";
      row.Value.Colour = value != 0 ? kBlue : kBlack;
    } else {
      row.Diff.Text = "(+" + std::to_string(value - skillCap) + ")";
      row.Value.Colour = kRed;
    }
    row.Diff.Colour = row.Value.Colour;
    row.Name.Colour = row.Value.Colour;
  }

  for (std::size_t i = 0; i < display.Resists.size(); ++i) {
    FigureRow& row = display.Resists[i];
    const StatField field = kResistRows[i].Field;
    const int race = attributes.RaceResists[i];
    const int total = GetStat(result.Totals, field);
    const int cap = GetStat(result.Caps, field);
    row.Cap.Text = "/ " + std::to_string(cap + race) + "%";
    row.Value.Text = std::to_string(total + race);
    row.Amount = total + race;
    row.CapAmount = cap + race;
    row.Diff.Text = Difference(cap, total);
    row.Value.Colour = FigureColour(total, cap);
    row.Diff.Colour = row.Value.Colour;
    row.Cap.Colour = row.Value.Colour;
    row.Name.Colour = row.Value.Colour;
  }

  RecalcPlainGroup(display.Points, kPointRows, result);
  RecalcPlainGroup(display.ToA, kToARows, result);
  RecalcPlainGroup(display.PvE, kPvERows, result);
}

Colour ItemTypeColour(int itemType) {
  constexpr Colour kByType[] = {kBlack, kBlue,    kFuchsia, kRed,    kMaroon, kNavy,
                                kRed,   kFuchsia, kBlue,    kBlue,   kBlue,   kBlue,
                                kBlue,  kBlue,    kPurple,  kPurple, kFuchsia};
  return itemType >= 0 && itemType < static_cast<int>(std::size(kByType)) ? kByType[itemType]
                                                                          : kBlack;
}

}  // namespace qm
