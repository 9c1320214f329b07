#pragma once
// The stat block: one field list shared by the totals and the caps of a
// template. In a caps record each field holds the cap of the total of the
// same name. The layout is fixed (34 unsigned 16-bit counters, then 47
// unsigned 8-bit counters, 115 bytes, no padding) and every counter wraps at
// its own width.
//
// Being packed, the record only asks for byte alignment: a record placed
// after an odd-sized member can leave its 16-bit fields misaligned. Read
// fields by value (GetStat, or a plain copy) rather than binding references
// to them, and give records inside other structs alignas(2).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

#pragma pack(push, 1)
struct TStatBlock {
  // Stats, power and hit points.
  std::uint16_t Strength, Constitution, Dexterity, Quickness;
  std::uint16_t Piety, Intelligence, Empathy, Charisma, Acuity;
  std::uint16_t Power, HitPoints, SpareWord;
  // Resists.
  std::uint16_t Crush, Slash, Thrust, Heat, Cold, Energy, Matter, Body, Spirit, Essence;
  // Cap increases; in a caps record, the largest increase that counts.
  std::uint16_t StrengthCapInc, ConstitutionCapInc, DexterityCapInc, QuicknessCapInc;
  std::uint16_t PietyCapInc, IntelligenceCapInc, EmpathyCapInc, CharismaCapInc;
  std::uint16_t AcuityCapInc, PowerCapInc, HitPointsCapInc;
  std::uint16_t ArmorFactor;

  // The cap of every single skill row; only a caps record uses it.
  std::uint8_t SkillCap;
  std::uint8_t AllMelee, AllCasting, AllArchery, AllDualWield;
  std::uint8_t MeleeDamage, MeleeSpeed, StyleDamage, MeleeDamageVs, MeleeSpeedVs, StyleDamageVs;
  std::uint8_t SpellDamage, SpellSpeed, SpellDuration, SpellPierce, SpellRange;
  std::uint8_t ArcheryDamage, ArcherySpeed, ArcheryRange;
  std::uint8_t ArcherySpellDamageVs, ArcherySpellSpeedVs, ArcherySpellRangeVs;
  std::uint8_t PowerPool, HealingBonus, BuffBonus, DebuffBonus;
  std::uint8_t ExperienceBonus, RealmPointBonus, BountyPointBonus, CashDrops;
  std::uint8_t Fatigue, FatigueCapInc;
  std::uint8_t EvadeBonus, BlockBonus, ParryBonus, BladeturnBonus, XPLossReduction;
  std::uint8_t ArcaneSiphon, ToHitBonus, StyleCostReduction, SpellCostReduction, SpareByte;
  std::uint8_t NegativeEffects, Reactionary, DefensiveBonus, Concentration, Focus;
};
#pragma pack(pop)

using TTotalsRecord = TStatBlock;
using TCapsRecord = TStatBlock;

static_assert(sizeof(TStatBlock) == 115);
static_assert(offsetof(TStatBlock, Strength) == 0);
static_assert(offsetof(TStatBlock, Crush) == 24);
static_assert(offsetof(TStatBlock, StrengthCapInc) == 44);
static_assert(offsetof(TStatBlock, ArmorFactor) == 66);
static_assert(offsetof(TStatBlock, SkillCap) == 68);
static_assert(offsetof(TStatBlock, PowerPool) == 90);
static_assert(offsetof(TStatBlock, Fatigue) == 98);
static_assert(offsetof(TStatBlock, Focus) == 114);

// Every field by position, in layout order.
enum class StatField : std::uint8_t {
  kStrength,
  kConstitution,
  kDexterity,
  kQuickness,
  kPiety,
  kIntelligence,
  kEmpathy,
  kCharisma,
  kAcuity,
  kPower,
  kHitPoints,
  kSpareWord,
  kCrush,
  kSlash,
  kThrust,
  kHeat,
  kCold,
  kEnergy,
  kMatter,
  kBody,
  kSpirit,
  kEssence,
  kStrengthCapInc,
  kConstitutionCapInc,
  kDexterityCapInc,
  kQuicknessCapInc,
  kPietyCapInc,
  kIntelligenceCapInc,
  kEmpathyCapInc,
  kCharismaCapInc,
  kAcuityCapInc,
  kPowerCapInc,
  kHitPointsCapInc,
  kArmorFactor,
  kSkillCap,
  kAllMelee,
  kAllCasting,
  kAllArchery,
  kAllDualWield,
  kMeleeDamage,
  kMeleeSpeed,
  kStyleDamage,
  kMeleeDamageVs,
  kMeleeSpeedVs,
  kStyleDamageVs,
  kSpellDamage,
  kSpellSpeed,
  kSpellDuration,
  kSpellPierce,
  kSpellRange,
  kArcheryDamage,
  kArcherySpeed,
  kArcheryRange,
  kArcherySpellDamageVs,
  kArcherySpellSpeedVs,
  kArcherySpellRangeVs,
  kPowerPool,
  kHealingBonus,
  kBuffBonus,
  kDebuffBonus,
  kExperienceBonus,
  kRealmPointBonus,
  kBountyPointBonus,
  kCashDrops,
  kFatigue,
  kFatigueCapInc,
  kEvadeBonus,
  kBlockBonus,
  kParryBonus,
  kBladeturnBonus,
  kXPLossReduction,
  kArcaneSiphon,
  kToHitBonus,
  kStyleCostReduction,
  kSpellCostReduction,
  kSpareByte,
  kNegativeEffects,
  kReactionary,
  kDefensiveBonus,
  kConcentration,
  kFocus
};

inline constexpr int kStatFieldCount = 81;
inline constexpr int kWideStatFieldCount = 34;  // the 16-bit fields come first

struct StatFieldInfo {
  std::string_view Name;  // the field's own name, as JSON and reports use it
  std::uint8_t Offset;
  std::uint8_t Width;  // in bytes: 2 or 1
};

// clang-format off
#define QM_STAT_FIELD(name) StatFieldInfo{#name, offsetof(TStatBlock, name), sizeof(TStatBlock::name)}
// clang-format on
inline constexpr std::array<StatFieldInfo, kStatFieldCount> kStatFields = {{
    QM_STAT_FIELD(Strength),
    QM_STAT_FIELD(Constitution),
    QM_STAT_FIELD(Dexterity),
    QM_STAT_FIELD(Quickness),
    QM_STAT_FIELD(Piety),
    QM_STAT_FIELD(Intelligence),
    QM_STAT_FIELD(Empathy),
    QM_STAT_FIELD(Charisma),
    QM_STAT_FIELD(Acuity),
    QM_STAT_FIELD(Power),
    QM_STAT_FIELD(HitPoints),
    QM_STAT_FIELD(SpareWord),
    QM_STAT_FIELD(Crush),
    QM_STAT_FIELD(Slash),
    QM_STAT_FIELD(Thrust),
    QM_STAT_FIELD(Heat),
    QM_STAT_FIELD(Cold),
    QM_STAT_FIELD(Energy),
    QM_STAT_FIELD(Matter),
    QM_STAT_FIELD(Body),
    QM_STAT_FIELD(Spirit),
    QM_STAT_FIELD(Essence),
    QM_STAT_FIELD(StrengthCapInc),
    QM_STAT_FIELD(ConstitutionCapInc),
    QM_STAT_FIELD(DexterityCapInc),
    QM_STAT_FIELD(QuicknessCapInc),
    QM_STAT_FIELD(PietyCapInc),
    QM_STAT_FIELD(IntelligenceCapInc),
    QM_STAT_FIELD(EmpathyCapInc),
    QM_STAT_FIELD(CharismaCapInc),
    QM_STAT_FIELD(AcuityCapInc),
    QM_STAT_FIELD(PowerCapInc),
    QM_STAT_FIELD(HitPointsCapInc),
    QM_STAT_FIELD(ArmorFactor),
    QM_STAT_FIELD(SkillCap),
    QM_STAT_FIELD(AllMelee),
    QM_STAT_FIELD(AllCasting),
    QM_STAT_FIELD(AllArchery),
    QM_STAT_FIELD(AllDualWield),
    QM_STAT_FIELD(MeleeDamage),
    QM_STAT_FIELD(MeleeSpeed),
    QM_STAT_FIELD(StyleDamage),
    QM_STAT_FIELD(MeleeDamageVs),
    QM_STAT_FIELD(MeleeSpeedVs),
    QM_STAT_FIELD(StyleDamageVs),
    QM_STAT_FIELD(SpellDamage),
    QM_STAT_FIELD(SpellSpeed),
    QM_STAT_FIELD(SpellDuration),
    QM_STAT_FIELD(SpellPierce),
    QM_STAT_FIELD(SpellRange),
    QM_STAT_FIELD(ArcheryDamage),
    QM_STAT_FIELD(ArcherySpeed),
    QM_STAT_FIELD(ArcheryRange),
    QM_STAT_FIELD(ArcherySpellDamageVs),
    QM_STAT_FIELD(ArcherySpellSpeedVs),
    QM_STAT_FIELD(ArcherySpellRangeVs),
    QM_STAT_FIELD(PowerPool),
    QM_STAT_FIELD(HealingBonus),
    QM_STAT_FIELD(BuffBonus),
    QM_STAT_FIELD(DebuffBonus),
    QM_STAT_FIELD(ExperienceBonus),
    QM_STAT_FIELD(RealmPointBonus),
    QM_STAT_FIELD(BountyPointBonus),
    QM_STAT_FIELD(CashDrops),
    QM_STAT_FIELD(Fatigue),
    QM_STAT_FIELD(FatigueCapInc),
    QM_STAT_FIELD(EvadeBonus),
    QM_STAT_FIELD(BlockBonus),
    QM_STAT_FIELD(ParryBonus),
    QM_STAT_FIELD(BladeturnBonus),
    QM_STAT_FIELD(XPLossReduction),
    QM_STAT_FIELD(ArcaneSiphon),
    QM_STAT_FIELD(ToHitBonus),
    QM_STAT_FIELD(StyleCostReduction),
    QM_STAT_FIELD(SpellCostReduction),
    QM_STAT_FIELD(SpareByte),
    QM_STAT_FIELD(NegativeEffects),
    QM_STAT_FIELD(Reactionary),
    QM_STAT_FIELD(DefensiveBonus),
    QM_STAT_FIELD(Concentration),
    QM_STAT_FIELD(Focus),
}};
#undef QM_STAT_FIELD

constexpr const StatFieldInfo& FieldInfo(StatField field) {
  return kStatFields[static_cast<std::size_t>(field)];
}

// Every field 0; used for both record kinds.
void InitStatBlock(TStatBlock& block);
// The value of a field, whatever its width.
std::uint16_t GetStat(const TStatBlock& block, StatField field);
// Stores the low 16 or 8 bits of value, as the field's width allows.
void SetStat(TStatBlock& block, StatField field, std::uint32_t value);
// Adds the low bits of value that the field's width keeps; the sum wraps.
void AddStat(TStatBlock& block, StatField field, std::uint32_t value);
// Stores every field at once from values in field order, each narrowed to
// its width: the fast way to fill a whole record.
void StoreStats(TStatBlock& block, const std::array<std::uint32_t, kStatFieldCount>& values);
// Field by field equality (the record has no padding to ignore).
bool operator==(const TStatBlock& a, const TStatBlock& b);
// A field by its name (exact spelling).
std::optional<StatField> StatFieldOfName(std::string_view name);

}  // namespace qm
