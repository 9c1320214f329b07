#include "optimizer/figures.h"

#include <algorithm>
#include <array>

#include "core/class_table.h"
#include "core/text.h"
#include "engine/caps.h"
#include "engine/totals.h"

namespace qm {
namespace {

using F = StatField;

// The stats judged against an effective cap, in the totals listing's order;
// Acuity only for a class with an acuity stat.
constexpr F kEffectiveStats[] = {F::kStrength, F::kConstitution, F::kDexterity, F::kQuickness,
                                 F::kAcuity,   F::kHitPoints,    F::kPowerPool};

// The figures the main window shows against the caps record's own field:
// resists, point bonuses, ToA (Power Pool is an effective stat above) and PvE.
constexpr F kPlainFigures[] = {
    F::kCrush,
    F::kSlash,
    F::kThrust,
    F::kHeat,
    F::kCold,
    F::kEnergy,
    F::kMatter,
    F::kBody,
    F::kSpirit,
    F::kExperienceBonus,
    F::kRealmPointBonus,
    F::kBountyPointBonus,
    F::kCashDrops,
    F::kFatigue,
    F::kArmorFactor,
    F::kHealingBonus,
    F::kBuffBonus,
    F::kDebuffBonus,
    F::kMeleeSpeed,
    F::kMeleeDamage,
    F::kStyleDamage,
    F::kSpellSpeed,
    F::kSpellDamage,
    F::kSpellRange,
    F::kSpellPierce,
    F::kSpellDuration,
    F::kArcaneSiphon,
    F::kEvadeBonus,
    F::kBlockBonus,
    F::kParryBonus,
    F::kXPLossReduction,
    F::kToHitBonus,
    F::kBladeturnBonus,
    F::kConcentration,
    F::kStyleCostReduction,
    F::kSpellCostReduction,
    F::kNegativeEffects,
    F::kReactionary,
    F::kDefensiveBonus,
};

// Skill rows that hold a real skill line; the others show 0 against 0.
bool IsCountedSkill(int code) {
  return code >= 23 && code <= 249;
}

// The fields and skill rows of a class's figures, in their fixed order; row
// is null for the fields.
template <typename Visit>
void ForEachFigureField(int classIndex, Visit visit) {
  const ClassInfo& info = ClassOf(classIndex);
  const bool hasAcuity = AcuityFieldsOf(info.Acuity).Valid;
  for (F field : kEffectiveStats)
    if (field != F::kAcuity || hasAcuity) visit(field, nullptr);
  for (F field : kPlainFigures) visit(field, nullptr);
  for (const SkillRow& row : info.Rows)
    if (!row.Label.empty() && IsCountedSkill(row.Code)) visit(F::kSkillCap, &row);
}

std::string FigureName(F field, const SkillRow* row) {
  if (!row) return std::string(FieldInfo(field).Name);
  // Crush, Slash and Thrust are both resists and weapon skills; the resist
  // keeps the plain name.
  std::string name = Cp1252ToUtf8(row->Label);
  if (StatFieldOfName(name)) name += " (skill)";
  return name;
}

// The names of each class's figures, made once: CappedFigures runs in the
// innermost loop of every search over templates.
const std::vector<std::string>& NamesOf(int classIndex) {
  static const auto names = [] {
    std::array<std::vector<std::string>, kClassTableSize + 1> table;
    for (int c = 0; c <= kClassTableSize; ++c)
      ForEachFigureField(c, [&](F field, const SkillRow* row) {
        table[static_cast<std::size_t>(c)].push_back(FigureName(field, row));
      });
    return table;
  }();
  return names[static_cast<std::size_t>(std::clamp(classIndex, 0, kClassTableSize))];
}

}  // namespace

int FigureParts::Cap() const {
  return CapBase + std::min(CapIncrease, CapIncreaseLimit);
}

int FigureParts::Capped() const {
  return std::min(Value, Cap());
}

std::vector<FigureParts> CappedFigures(const TTemplateRecord& tpl) {
  const TotalsAndCaps result = ComputeTotals(tpl);
  const TTotalsRecord& totals = result.Totals;
  const TCapsRecord& caps = result.Caps;
  const int acuityKind = ClassOf(tpl.ClassIndex).Acuity;
  const std::vector<std::string>& names = NamesOf(tpl.ClassIndex);
  std::vector<FigureParts> figures;
  figures.reserve(names.size());
  ForEachFigureField(tpl.ClassIndex, [&](F field, const SkillRow* row) {
    FigureParts figure{names[figures.size()]};
    if (row) {
      figure.Value = SkillBonusTotal(row->Code, tpl) + tpl.RealmRank - 1;
      figure.CapBase = caps.SkillCap;
    } else if (HasCapIncrease(field, acuityKind) || field == F::kPowerPool) {
      figure.Value = field == F::kAcuity ? AcuityTotal(totals, acuityKind) : GetStat(totals, field);
      figure.CapIncrease = CapIncreaseTotal(totals, field, acuityKind);
      figure.CapIncreaseLimit = CapIncreaseLimit(caps, field, acuityKind);
      figure.CapBase = EffectiveCap(caps, totals, field, acuityKind) -
                       std::min(figure.CapIncrease, figure.CapIncreaseLimit);
    } else {
      figure.Value = GetStat(totals, field);
      figure.CapBase = GetStat(caps, field);
    }
    figures.push_back(figure);
  });
  return figures;
}

std::vector<std::string> FigureNames(int classIndex) {
  return NamesOf(classIndex);
}

double Objective(const TTemplateRecord& tpl, std::span<const double> weights) {
  const std::vector<FigureParts> figures = CappedFigures(tpl);
  double sum = 0;
  for (std::size_t i = 0; i < figures.size() && i < weights.size(); ++i) {
    sum += weights[i] * figures[i].Capped();
  }
  return sum;
}

}  // namespace qm
