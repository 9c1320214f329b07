#include "core/effect_names.h"

#include <array>
#include <string>
#include <vector>

#include "core/text.h"

namespace qm {
namespace {

// The effect-name list as compiled, index = effect number.
// clang-format off
constexpr std::string_view kCompiledNames[] = {
    "Undefined/Other", "Ablative", "Absorb + Damage Shield", "Absorb Siphoning",
    "Arcane Leadership", "Arcane Siphoning", "Arch Magery", "Area Effect Damage",
    "Area Effect Ressurect", "Arrogance", "Aura of Kings", "Aura of Life", "Aura of Magnamity",
    "Bedazzled", "Bladeturn", "Blocking Bonus", "Buff (Accuracy)", "Buff (Acuity)",
    "Buff (Armor Factor)", "Buff (Dex/Qui)", "Buff (Other)", "Buff (Stats)", "Buff (Str/Con)",
    "Celerity", "Cheat Death", "Coin Drop Bonus", "Confuse", "Conversion",
    "Crowd Control Reduction", "Cure : Disease", "Cure : Nearsight", "Cure : Poison", "Damage Add",
    "Damage Bolt", "Damage Conversion", "Damage Increase", "Damage over Time", "Damage Shield",
    "Debuff (Absorb)", "Debuff (Dex/Qui)", "Debuff (Other)", "Debuff (Resistance)",
    "Debuff (Stats)", "Debuff (Str/Con)", "Defensive Proc", "De-Haste", "Direct Damage",
    "Direct Damage /w Debuff", "Disarm Proc", "Disease", "Disorient",
    "Disorient / Damage-over-time", "Dispel", "Efficient Endurance", "Efficient Healing",
    "Encumbrance Bonus", "Endurance Damage", "Endurance Drain", "Endurance Regeneration",
    "Evasion Bonus", "Eye of Predation", "Feather Fall", "Fumble", "Group Ablative",
    "Group Shapeshift", "Haste", "Heal : All Over Time", "Heal : Area", "Heal : Endurance",
    "Heal : Group", "Heal : Heal over Time", "Heal : Hit Points", "Heal : Other", "Heal : Power",
    "Heal : Power %", "Health Regen", "Health Regeneration", "Health Transfer", "Lifedrain",
    "Lore Debuff", "Mesmerize Feedback", "Mythical Acuity Bonus", "Mythical Body Resist",
    "Mythical Cold Resist", "Mythical Constitution Bonus", "Mythical Crush Resist",
    "Mythical Dexterity Bonus", "Mythical Energy Resist", "Mythical Essence Resist",
    "Mythical Heat Resist", "Mythical Matter Resist", "Mythical Quickness Bonus",
    "Mythical Slash Resist", "Mythical Spirit Resist", "Mythical Strength Bonus",
    "Mythical Thrust Resist", "Offensive Proc", "Omnidrain", "Parry Bonus",
    "Physical Damage Reduction", "Power Damage", "Power Regen", "Power Regeneration",
    "Power Transfer", "Powerdrain", "Powershield", "Radiant Aura", "Realm Lore",
    "Realm Point Bonus", "Resist Buff", "Resist Buff (Magic)", "Resist Buff (Melee)",
    "Resist Buff (Other)", "Safe Fall Bonus", "Self Cure Rez Sickness", "Shadeform", "Shapeshift",
    "Siege Damage Reduction", "Siege Lore", "Siege Speed Bonus", "Snare", "Speed Enhancement",
    "Spell Level Increase", "Statistic Drain", "Stealth Lore", "Stun", "Stun Feedback",
    "Style Damage Ablative", "Summon Elemental", "Summon Items", "Taunt", "Tempest",
    "Water Breathing"
};
// clang-format on

static_assert(std::size(kCompiledNames) == kCompiledEffectNames);

// The per-kind lists of older templates. Their entries repeat and do not
// follow the effect-name list's order; only the position-to-text step of
// the conversion reads them.
// clang-format off
constexpr std::string_view kKind1Listed[] = {
    "Undefined/Other", "Direct Damage", "Direct Damage /w Debuff", "Area Effect Damage",
    "Damage over Time", "Endurance Damage", "Power Damage", "Lifedrain", "Powerdrain",
    "Endurance Drain", "Omnidrain", "Heal : Hit Points", "Heal : Power", "Heal : Endurance",
    "Heal : Heal over Time", "Heal : Other", "Debuff (Str/Con)", "Debuff (Dex/Qui)",
    "Debuff (Resistance)", "Debuff (Stats)", "Debuff (Other)", "Buff (Accuracy)",
    "Buff (Armor Factor)", "Buff (Stats)", "Buff (Other)", "Ablative", "Damage Shield",
    "Damage Add", "Haste", "De-Haste", "Bladeturn", "Stun", "Snare", "Taunt", "Disease", "Confuse",
    "Siege Lore", "Style Damage Ablative", "Summon Elemental", "Fumble", "Celerity",
    "Absorb + Damage Shield", "Absorb Siphoning", "Offensive Proc", "Defensive Proc",
    "Resist Buff (Melee)", "Resist Buff (Magic)", "Resist Buff (Other)", "Siege Lore", "Arrogance",
    "Damage Conversion", "Heal : All Over Time", "Heal : Group", "Heal : Area", "Disarm Proc",
    "Tempest", "Bedazzled", "Group Ablative", "Disorient / Damage-over-time", "Statistic Drain",
    "Dispel", "Buff (Str/Con)", "Buff (Dex/Qui)"
};

constexpr std::string_view kKind2Listed[] = {
    "Undefined/Other", "Direct Damage", "Direct Damage /w Debuff", "Area Effect Damage",
    "Damage over Time", "Endurance Damage", "Power Damage", "Lifedrain", "Powerdrain",
    "Endurance Drain", "Omnidrain", "Heal : Hit Points", "Heal : Power", "Heal : Endurance",
    "Heal : Heal over Time", "Heal : Other", "Debuff (Str/Con)", "Debuff (Dex/Qui)",
    "Debuff (Resistance)", "Debuff (Stats)", "Debuff (Other)", "Buff (Accuracy)",
    "Buff (Armor Factor)", "Buff (Stats)", "Buff (Other)", "Ablative", "Damage Shield",
    "Damage Add", "Haste", "De-Haste", "Bladeturn", "Stun", "Snare", "Taunt", "Disease", "Confuse",
    "Absorb + Damage Shield", "Aura of Life", "Disorient", "Fumble", "Celerity",
    "Absorb + Damage Shield", "Absorb Siphoning", "Offensive Proc", "Defensive Proc",
    "Resist Buff (Melee)", "Resist Buff (Magic)", "Resist Buff (Other)", "Siege Lore", "Arrogance",
    "Damage Conversion", "Heal : All Over Time", "Heal : Group", "Heal : Area", "Disarm Proc",
    "Tempest", "Bedazzled", "Group Ablative", "Disorient / Damage-over-time", "Statistic Drain",
    "Dispel", "Buff (Str/Con)", "Buff (Dex/Qui)"
};

constexpr std::string_view kKind3Listed[] = {
    "Undefined/Other", "Direct Damage", "Direct Damage /w Debuff", "Area Effect Damage",
    "Damage over Time", "Endurance Damage", "Power Damage", "Lifedrain", "Powerdrain",
    "Endurance Drain", "Omnidrain", "Heal : Hit Points", "Heal : Power", "Heal : Endurance",
    "Heal : Heal over Time", "Heal : Other", "Debuff (Str/Con)", "Debuff (Dex/Qui)",
    "Debuff (Resistance)", "Debuff (Stats)", "Debuff (Other)", "Buff (Accuracy)",
    "Buff (Armor Factor)", "Buff (Stats)", "Buff (Other)", "Ablative", "Damage Shield",
    "Damage Add", "Haste", "De-Haste", "Bladeturn", "Stun", "Snare", "Taunt", "Disease", "Confuse",
    "Power Transfer", "Health Transfer", "Celerity", "Cure : Poison", "Cure : Disease",
    "Summon Items", "Water Breathing", "Shapeshift", "Group Shapeshift", "Self Cure Rez Sickness",
    "Area Effect Ressurect", "Stun Feedback", "Mesmerize Feedback", "Absorb + Damage Shield",
    "Absorb Siphoning", "Offensive Proc", "Defensive Proc", "Damage Bolt", "Resist Buff (Melee)",
    "Resist Buff (Magic)", "Resist Buff (Other)", "Siege Lore", "Realm Lore", "Stealth Lore",
    "Feather Fall", "Arcane Leadership", "Efficient Endurance", "Efficient Healing", "Powershield",
    "Arrogance", "Damage Conversion", "Speed Enhancement", "Heal : All Over Time", "Heal : Group",
    "Heal : Area", "Cheat Death", "Disarm Proc", "Eye of Predation", "Aura of Kings", "Tempest",
    "Arch Magery", "Aura of Magnamity", "Summon Elemental", "Bedazzled", "Group Ablative",
    "Disorient / Damage-over-time", "Statistic Drain", "Lore Debuff", "Shadeform",
    "Cure : Nearsight", "Dispel", "Buff (Str/Con)", "Buff (Dex/Qui)"
};

constexpr std::string_view kKind4Listed[] = {
    "Undefined/Other", "Conversion", "Radiant Aura", "Resist Buff", "Damage Add",
    "Health Regeneration", "Power Regeneration"
};

constexpr std::string_view kKind5Listed[] = {
    "Undefined/Other"
};

constexpr std::string_view kKind6Listed[] = {
    "Undefined/Other", "Health Regeneration", "Power Regeneration", "Endurance Regeneration",
    "Water Breathing", "Encumbrance Bonus", "Coin Drop Bonus", "Realm Point Bonus",
    "Safe Fall Bonus", "Parry Bonus", "Blocking Bonus", "Evasion Bonus", "Arcane Siphoning",
    "Spell Level Increase", "Damage Increase", "Crowd Control Reduction",
    "Physical Damage Reduction", "Siege Damage Reduction", "Siege Speed Bonus",
    "Mythical Strength Bonus", "Mythical Constitution Bonus", "Mythical Dexterity Bonus",
    "Mythical Quickness Bonus", "Mythical Acuity Bonus", "Mythical Crush Resist",
    "Mythical Slash Resist", "Mythical Thrust Resist", "Mythical Heat Resist",
    "Mythical Cold Resist", "Mythical Matter Resist", "Mythical Spirit Resist",
    "Mythical Energy Resist", "Mythical Body Resist", "Mythical Essence Resist"
};
// clang-format on

static_assert(std::size(kKind1Listed) == 63 && std::size(kKind2Listed) == 63);
static_assert(std::size(kKind3Listed) == 89 && std::size(kKind4Listed) == 7);
static_assert(std::size(kKind5Listed) == 1 && std::size(kKind6Listed) == 34);

// The proc and charge lists were sized for growth and filled with
// "Reserved", a text the effect-name list never held.
template <std::size_t Size, std::size_t Listed>
constexpr std::array<std::string_view, Size> PadWithReserved(
    const std::string_view (&listed)[Listed]) {
  static_assert(Listed <= Size);
  std::array<std::string_view, Size> list{};
  for (std::size_t i = 0; i < Size; ++i) list[i] = i < Listed ? listed[i] : "Reserved";
  return list;
}

constexpr auto kKind1 = PadWithReserved<91>(kKind1Listed);
constexpr auto kKind2 = PadWithReserved<91>(kKind2Listed);
constexpr auto kKind3 = PadWithReserved<91>(kKind3Listed);

constexpr std::span<const std::string_view> kKindLists[] = {
    {}, kKind1, kKind2, kKind3, kKind4Listed, kKind5Listed, kKind6Listed,
};

std::vector<std::string>& Names() {
  static std::vector<std::string> names(std::begin(kCompiledNames), std::end(kCompiledNames));
  return names;
}

// Effect numbers in older files were one byte wide, so the conversion keeps
// only the low 8 bits; a text the list does not hold becomes 255.
constexpr std::uint16_t kUnknownEffect = 255;

}  // namespace

std::string_view EffectName(std::size_t number) {
  const auto& names = Names();
  return number < names.size() ? std::string_view(names[number]) : std::string_view{};
}

std::size_t EffectNameCount() {
  return Names().size();
}

std::optional<std::size_t> EffectNumberOf(std::string_view text) {
  const auto& names = Names();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (SameTextIgnoringCase(names[i], text)) return i;
  }
  return std::nullopt;
}

std::size_t AppendEffectName(std::string_view text) {
  auto& names = Names();
  names.emplace_back(text);
  return names.size() - 1;
}

void ResetEffectNames() {
  Names().resize(kCompiledEffectNames);
}

void ShrinkEffectNames(std::size_t count) {
  if (count >= kCompiledEffectNames && count < Names().size()) Names().resize(count);
}

std::span<const std::string_view> EffectKindNames(int kind) {
  if (kind < 1 || kind >= static_cast<int>(std::size(kKindLists))) return {};
  return kKindLists[kind];
}

void ConvertEffectIds(TTemplateRecord& tpl) {
  for (TItemRecord& item : tpl.Slots) {
    for (int e = 0; e < kEffectRows; ++e) {
      const std::span<const std::string_view> list = EffectKindNames(item.EffectKind[e]);
      if (list.empty()) {
        item.EffectId[e] = 0;
        continue;
      }
      const std::size_t position = item.EffectId[e];
      // A position past the kind's list names nothing. It is settled here
      // rather than by looking up an empty text, which an appended vault
      // name could match.
      std::optional<std::size_t> number;
      if (position < list.size()) number = EffectNumberOf(list[position]);
      item.EffectId[e] = number ? static_cast<std::uint16_t>(*number & 0xFF) : kUnknownEffect;
    }
  }
  tpl.EffectIdsGlobal = 1;
}

}  // namespace qm
