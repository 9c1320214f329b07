// The stat section of the template report: main stats, cap increases,
// skills, group skill bonuses, resists and the other bonuses, each against
// its cap.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/race_table.h"
#include "engine/totals.h"
#include "report/report_sections.h"
#include "report/template_report.h"

namespace qm::report_detail {
namespace {

using F = StatField;

constexpr std::array<std::string_view, 5> kWeaponLines = {
    "Weapons Equipped : Right and Left Hands ( S / S )",
    "Weapons Equipped : Left and Two Handed ( S / S )", "Weapons Equipped : Two Handed ( 2H )",
    "Weapons Equipped : Ranged ( 2H )", "Weapons Equipped : No weapons equipped ( N/A )"};

struct LabelledField {
  std::string_view Label;
  F Field;
};

// The acuity stats in acuity-kind order (kind 1 Piety .. 4 Charisma).
struct AcuityStat {
  std::string_view Label;
  F Stat;
  F CapInc;
};
constexpr std::array<AcuityStat, 4> kAcuityStats = {{
    {"Piety", F::kPiety, F::kPietyCapInc},
    {"Intelligence", F::kIntelligence, F::kIntelligenceCapInc},
    {"Empathy", F::kEmpathy, F::kEmpathyCapInc},
    {"Charisma", F::kCharisma, F::kCharismaCapInc},
}};

constexpr std::array<LabelledField, 11> kCapIncreases = {{
    {"Strength Cap", F::kStrengthCapInc},
    {"Constitution Cap", F::kConstitutionCapInc},
    {"Dexterity Cap", F::kDexterityCapInc},
    {"Quickness Cap", F::kQuicknessCapInc},
    {"Intelligence Cap", F::kIntelligenceCapInc},
    {"Piety Cap", F::kPietyCapInc},
    {"Empathy Cap", F::kEmpathyCapInc},
    {"Charisma Cap", F::kCharismaCapInc},
    {"Acuity Cap", F::kAcuityCapInc},
    {"Hit Points Cap", F::kHitPointsCapInc},
    {"Power Cap", F::kPowerCapInc},
}};

// Resist lines with the position of each damage type among the race resists
// (Crush, Slash, Thrust, Heat, Cold, Energy, Matter, Body, Spirit).
struct ResistLine {
  std::string_view Label;
  F Field;
  int RaceResist;
};
constexpr std::array<ResistLine, 9> kResists = {{
    {"Crush Resist", F::kCrush, 0},
    {"Slash Resist", F::kSlash, 1},
    {"Thrust Resist", F::kThrust, 2},
    {"Heat Resist", F::kHeat, 3},
    {"Cold Resist", F::kCold, 4},
    {"Matter Resist", F::kMatter, 6},
    {"Energy Resist", F::kEnergy, 5},
    {"Body Resist", F::kBody, 7},
    {"Spirit Resist", F::kSpirit, 8},
}};

constexpr std::array<LabelledField, 36> kOtherBonuses = {{
    {"Melee Speed", F::kMeleeSpeed},
    {"Melee Speed Vs.", F::kMeleeSpeedVs},
    {"Melee Damage", F::kMeleeDamage},
    {"Melee Damage Vs.", F::kMeleeDamageVs},
    {"Melee Style Damage", F::kStyleDamage},
    {"Melee Style Damage Vs.", F::kStyleDamageVs},
    // The archery fields hold the spell bonuses as well.
    {"Archery/Spell Haste", F::kArcherySpeed},
    {"Archery/Spell Haste Vs.", F::kArcherySpellSpeedVs},
    {"Archery/Spell Damage", F::kArcheryDamage},
    {"Archery/Spell Damage Vs.", F::kArcherySpellDamageVs},
    {"Archery/Spell Range", F::kArcheryRange},
    {"Archery/Spell Range Vs.", F::kArcherySpellRangeVs},
    {"Spell Piercing", F::kSpellPierce},
    {"Spell Duration", F::kSpellDuration},
    {"Extra Endurance", F::kFatigue},
    {"Armor Factor Bonus", F::kArmorFactor},
    {"Healing Bonus", F::kHealingBonus},
    {"Buff Effectiveness", F::kBuffBonus},
    {"Stat Debuffing", F::kDebuffBonus},
    {"Experience Bonus", F::kExperienceBonus},
    {"Realm Points", F::kRealmPointBonus},
    {"Bounty Points", F::kBountyPointBonus},
    {"Cash Drop Bonus", F::kCashDrops},
    {"(PvE) Evade Bonus", F::kEvadeBonus},
    {"(PvE) Block Bonus", F::kBlockBonus},
    {"(PvE) Parry Bonus", F::kParryBonus},
    {"Exp. Loss Reduce", F::kXPLossReduction},
    {"Arcane Siphoning", F::kArcaneSiphon},
    {"(PvE) To Hit bonus", F::kToHitBonus},
    {"(PvE) Bladeturn Bonus", F::kBladeturnBonus},
    {"(PvE) Concentration", F::kConcentration},
    {"(PvE) Style Cost Reduce", F::kStyleCostReduction},
    {"(PvE) Spell Cost Reduce", F::kSpellCostReduction},
    {"(PvE) Neg Effect Reduce", F::kNegativeEffects},
    {"(PvE) Reactionary Bonus", F::kReactionary},
    {"(PvE) Defensive Bonus", F::kDefensiveBonus},
}};

// Codes up to 22 are stats, resists and group bonuses; from 250 up the rows
// are display-only.
constexpr int kLastNonSkillCode = 22;
constexpr int kFirstDisplayOnlyRow = 250;

std::string Num(long long value) {
  return std::to_string(value);
}

// The smaller of two counters compared as unsigned 16-bit numbers.
int Min16(int a, int b) {
  return std::min(static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b));
}

class StatWriter {
 public:
  StatWriter(const TotalsAndCaps& figures, Lines& lines)
      : t_(figures.Totals), c_(figures.Caps), lines_(lines) {}

  int T(F field) const { return GetStat(t_, field); }
  int C(F field) const { return GetStat(c_, field); }

  void F4(std::string_view label, long long items, long long cap) {
    lines_.push_back(FormatF4(label, Num(items), Num(cap), Num(items - cap)));
  }
  // A stat whose cap an item cap increase raises, up to the cap of the increase.
  void CappedStat(std::string_view label, F stat, F capInc) {
    F4(label, T(stat), C(stat) + Min16(T(capInc), C(capInc)));
  }
  void FieldAgainstCap(std::string_view label, F field) { F4(label, T(field), C(field)); }

  void Add(std::string line) { lines_.push_back(std::move(line)); }

 private:
  const TTotalsRecord& t_;
  const TCapsRecord& c_;
  Lines& lines_;
};

void AddMainStats(const ReportContext& context, StatWriter& out) {
  out.CappedStat("Strength", F::kStrength, F::kStrengthCapInc);
  out.CappedStat("Constitution", F::kConstitution, F::kConstitutionCapInc);
  out.CappedStat("Dexterity", F::kDexterity, F::kDexterityCapInc);
  out.CappedStat("Quickness", F::kQuickness, F::kQuicknessCapInc);

  // The class's own stat is shown only together with acuity bonuses.
  const bool acuityPresent = out.T(F::kAcuity) > 0 || out.T(F::kAcuityCapInc) > 0;
  const int kind = ClassOf(context.ReportCopy.ClassIndex).Acuity;
  if (acuityPresent && kind >= kAcuityPiety && kind <= kAcuityCharisma) {
    const AcuityStat& stat = kAcuityStats[kind - kAcuityPiety];
    const int capRaise = static_cast<std::uint16_t>(out.T(stat.CapInc) + out.T(F::kAcuityCapInc));
    out.F4(stat.Label, out.T(stat.Stat) + out.T(F::kAcuity),
           out.C(stat.Stat) + Min16(capRaise, out.C(stat.CapInc)));
  }
  if (acuityPresent) out.Add(FormatF1("Acuity", Num(out.T(F::kAcuity))));
  if (out.T(F::kHitPoints) > 0 || out.T(F::kHitPointsCapInc) > 0)
    out.CappedStat("Hit Points", F::kHitPoints, F::kHitPointsCapInc);
  if (out.T(F::kPower) > 0 || out.T(F::kPowerCapInc) > 0)
    out.CappedStat("Power", F::kPower, F::kPowerCapInc);
  if (out.T(F::kPowerPool) > 0)
    out.F4("Power Pool %", out.T(F::kPowerPool),
           out.C(F::kPowerPool) + Min16(out.T(F::kPowerCapInc), out.C(F::kPowerCapInc)));
}

void AddSkills(const ReportContext& context, StatWriter& out) {
  const TTemplateRecord& tpl = context.ReportCopy;
  const ClassInfo& info = ClassOf(tpl.ClassIndex);
  const int count = std::min<int>(ReportSkillLineCount(tpl.ClassIndex), info.Rows.size());
  const int cap = out.C(F::kSkillCap);
  for (int row = 0; row < count; ++row) {
    const int code = info.Rows[row].Code;
    if (code <= kLastNonSkillCode || code >= kFirstDisplayOnlyRow) continue;
    const int value = SkillBonusTotal(code, tpl) + tpl.RealmRank - 1;
    const std::string diff = value < cap ? "-" + Num(cap - value) : "+" + Num(value - cap);
    out.Add(FormatF4(BonusName(code), Num(value), Num(cap), diff));
  }
}

void AddGroupSkills(StatWriter& out) {
  const int melee = out.T(F::kAllMelee);
  const int casting = out.T(F::kAllCasting);
  const int dual = out.T(F::kAllDualWield);
  const int archery = out.T(F::kAllArchery);
  if (melee > 0 || casting > 0 || dual > 0 || archery > 0) out.Add("");
  const std::string cap = Num(out.C(F::kSkillCap));
  if (melee > 0) out.Add(FormatF3("All Melee", "+" + Num(melee), cap));
  if (casting > 0) out.Add(FormatF3("All Casting", Num(casting), cap));
  if (dual > 0) out.Add(FormatF3("All Dual Wield", Num(dual), cap));
  if (archery > 0) out.Add(FormatF3("All Archery", Num(archery), cap));
}

void AddResists(const ReportContext& context, StatWriter& out) {
  const bool withRace = context.Options.DisplayRace && context.MainWindow.RaceIndex != 0;
  // A race text the race table does not know adds nothing.
  std::optional<RaceValues> race;
  if (withRace) race = RaceValuesOf(context.MainWindow.RaceText);
  for (const ResistLine& resist : kResists) {
    const int total = out.T(resist.Field);
    const int cap = out.C(resist.Field);
    if (!withRace) {
      out.F4(resist.Label, total, cap);
      continue;
    }
    const int bonus = race ? race->Resists[resist.RaceResist] : 0;
    out.Add(
        FormatFR(resist.Label, Num(total + bonus), Num(cap + bonus), Num(total - cap), Num(bonus)));
  }
  if (out.T(F::kEssence) > 0) out.FieldAgainstCap("Essence Resist", F::kEssence);
}

}  // namespace

void AddStatSection(const ReportContext& context, const TotalsAndCaps& figures, Lines& lines) {
  StatWriter out(figures, lines);
  const ReportOptions& options = context.Options;
  out.Add("<== Main Stat Bonuses ==>");
  if (context.ReportCopy.WeaponConfig < kWeaponLines.size())
    out.Add(std::string(kWeaponLines[context.ReportCopy.WeaponConfig]));
  out.Add(" ");
  out.Add(FormatHeading("Stat Details", "Items", "Cap", "Diff."));
  out.Add(" ");
  AddMainStats(context, out);

  if (options.DisplayCap) {
    out.Add(" ");
    out.Add("-=- Cap Increases -=-");
    out.Add(" ");
    for (const LabelledField& capInc : kCapIncreases)
      if (out.T(capInc.Field) > 0) out.FieldAgainstCap(capInc.Label, capInc.Field);
  }

  out.Add(" ");
  out.Add("-=- Skill Bonuses -=-");
  out.Add(" ");
  AddSkills(context, out);
  AddGroupSkills(out);

  out.Add(" ");
  out.Add("-=- Resistance Bonuses -=-");
  out.Add(" ");
  AddResists(context, out);

  out.Add(" ");
  out.Add("-=- Other Bonuses -=-");
  out.Add("");
  for (const LabelledField& bonus : kOtherBonuses)
    if (out.T(bonus.Field) > 0) out.FieldAgainstCap(bonus.Label, bonus.Field);
  out.Add(" ");
}

}  // namespace qm::report_detail
