// spellcraft: designs a crafted item as the workbench's "&Spellcraft" tab does
// and prints what the tab shows: gem costs, high gem, charge, capacity, max
// overcharge, validity, the overcharge success chance, bonus level, name, the
// fifth-slot choices offered and the resulting item.
//
//   --slot S     slot number 1-19 or slot name ("Chest", "L. Hand"); Chest by default
//   --class C    class index 0-46 or class name ("(Alb) Friar" or "Friar"); realm,
//                best armour, shield, instrument and bow come from it
//   --realm R    0-2 or Albion/Hibernia/Midgard; overrides the class's realm
//   --level L    item level 1-51; 51 by default
//   --armour A   0-5 ("0%" .. "34%", "Non-Armor"); lowered to the class's best armour
//   --gem K:INDEX:TIER  gem slot K (1-4) gets gem bonus list entry INDEX (0-138,
//                0 empties it) at rung TIER (from 0) of its value ladder; repeatable,
//                applied in order, duplicates move on as in the tab
//   --fifth N    position N in the offered fifth-slot choices (0 = "No Extra Bonus")
//   --force-fifth, --universal  the "Force Fifth Slot Calculation" option and the
//                item search's every-realm flag
//   --skill N    the crafter's spellcraft skill 1-1200; 1000 by default
//   --quality Q  the item quality 94-100; 100 by default, as for a new item
//   --out FILE   writes the returned item as a .qmx file (only a valid design)
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_json.h"
#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/file_io.h"
#include "core/template_record.h"
#include "core/text.h"
#include "spellcraft/fifth_slot_bonus.h"
#include "spellcraft/spellcraft_calculator.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_limits.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage =
    "spellcraft [--slot S] [--level L] [--armour A] [--realm R] [--class C] "
    "[--gem K:INDEX:TIER]... [--fifth N] [--force-fifth] [--universal] [--skill N] "
    "[--quality Q] [--json] [--out ITEM.qmx]  (K gem slot 1-4, INDEX gem bonus 0-138, TIER value "
    "rung from 0, N position among the fifth-slot choices; --skill 1-1200, --quality 94-100)";

// The slots the tab is offered for.
bool IsCraftedSlot(int slot) {
  return slot == kCloak || (slot >= kChest && slot <= kRanged);
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return std::string(text);
}

std::optional<int> ParseSlot(std::string_view text) {
  if (auto number = ParseInteger(text, 1, kSlotCount)) return static_cast<int>(*number);
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (SameTextIgnoringCase(text, SlotName(slot))) return slot;
  return std::nullopt;
}

// "(Alb) Friar " answers to "(Alb) Friar" and to "Friar".
std::optional<int> ParseClass(std::string_view text) {
  if (auto number = ParseInteger(text, 0, kClassTableSize - 1)) return static_cast<int>(*number);
  const std::string wanted = Trimmed(text);
  for (int c = 0; c < kClassTableSize; ++c) {
    const std::string full = Trimmed(ClassOf(c).Text);
    const std::size_t close = full.find(") ");
    const std::string bare = close == std::string::npos ? full : full.substr(close + 2);
    if (SameTextIgnoringCase(wanted, full) || SameTextIgnoringCase(wanted, bare)) return c;
  }
  return std::nullopt;
}

std::optional<int> ParseArmour(std::string_view text) {
  if (auto number = ParseInteger(text, 0, kArmourEntryCount - 1)) return static_cast<int>(*number);
  for (int armour = 0; armour < kArmourEntryCount; ++armour)
    if (SameTextIgnoringCase(text, ArmourEntryText(armour))) return armour;
  return std::nullopt;
}

// An option named by number or by name, read by parse when given: false with
// the reason when its text is none that parse takes.
template <typename Parse>
bool ReadNamedOption(const Args& args, std::string_view name, std::string_view accepted,
                     Parse parse, std::optional<int>& value, std::string& error) {
  const auto text = args.Value(name);
  if (!text) return true;
  value = parse(*text);
  if (!value) error = BadValueReason("--" + std::string(name), accepted, *text);
  return value.has_value();
}

struct GemRequest {
  int Slot = 0;
  int Index = 0;
  int Tier = 0;
};

// K:INDEX:TIER, the tier optional for an empty gem.
std::optional<GemRequest> ParseGem(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at = 0; at <= text.size(); ++at) {
    if (at == text.size() || text[at] == ':') {
      parts.push_back(text.substr(start, at - start));
      start = at + 1;
    }
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  const auto slot = ParseInteger(parts[0], 1, kGemSlotCount);
  const auto index = ParseInteger(parts[1], 0, kGemBonusCount - 1);
  const auto tier = parts.size() == 3 ? ParseInteger(parts[2], 0, 99) : std::optional<long long>(0);
  if (!slot || !index || !tier) return std::nullopt;
  return GemRequest{static_cast<int>(*slot), static_cast<int>(*index), static_cast<int>(*tier)};
}

nlohmann::ordered_json ReportJson(const SpellcraftCalculator& calc, const TItemRecord& item) {
  const SpellcraftView view = calc.View();
  const TSpellcraftState& state = calc.State();
  nlohmann::ordered_json json;
  json["gems"] = nlohmann::ordered_json::array();
  for (int k = 0; k < kGemSlotCount; ++k) {
    const TSpellcraftGem& gem = state.Gems[static_cast<std::size_t>(k)];
    nlohmann::ordered_json row;
    row["index"] = gem.BonusIndex;
    row["tier"] =
        gem.TierIndex == kNoTier ? nlohmann::ordered_json() : nlohmann::ordered_json(gem.TierIndex);
    row["value"] = gem.Value;
    row["cost"] = view.Gems[static_cast<std::size_t>(k)].Cost.Text;
    json["gems"].push_back(row);
  }
  json["highGem"] = view.HighGem.Text;
  json["charge"] = view.Charge.Text;
  json["capacity"] = view.Capacity.Text;
  json["maxOvercharge"] = view.MaxOvercharge.Text;
  json["valid"] = state.Valid;
  json["overchargeSuccess"] = state.OverchargeSuccess;
  json["bonusLevel"] = view.BonusLevel.Text;
  json["name"] = Cp1252ToUtf8(view.Name.Text);
  json["choices"] = nlohmann::ordered_json::array();
  for (const TFifthSlotChoice& choice : state.Choices) {
    nlohmann::ordered_json row;
    row["text"] = Cp1252ToUtf8(choice.Text);
    row["index"] = choice.Index;
    row["itemName"] =
        choice.HasItemName() ? nlohmann::ordered_json(Cp1252ToUtf8(choice.ItemName)) : nullptr;
    json["choices"].push_back(row);
  }
  json["item"] = ItemToJson(item);
  return json;
}

void ReportText(std::ostream& out, const SpellcraftCalculator& calc, const TItemRecord& item) {
  const SpellcraftView view = calc.View();
  const TSpellcraftState& state = calc.State();
  for (int k = 0; k < kGemSlotCount; ++k) {
    const TSpellcraftGem& gem = state.Gems[static_cast<std::size_t>(k)];
    out << "Gem " << k + 1 << " : " << view.Gems[static_cast<std::size_t>(k)].Cost.Text;
    if (gem.BonusIndex != 0)
      out << "  (" << Cp1252ToUtf8(GemBonusName(gem.BonusIndex)) << " " << gem.Value << ", tier "
          << gem.TierIndex << ")";
    out << '\n';
  }
  out << "High Gem : " << view.HighGem.Text << '\n'
      << "Bonus Level : " << view.BonusLevel.Text << '\n'
      << "Current Charge : " << view.Charge.Text << '\n'
      << "Imbue Capacity : " << view.Capacity.Text << '\n'
      << "Max Overcharge : " << view.MaxOvercharge.Text << '\n'
      << "Valid : " << (state.Valid ? "yes" : "no") << '\n'
      << view.OverchargeSuccess.Text << '\n'
      << "Name : " << Cp1252ToUtf8(view.Name.Text) << '\n'
      << "Fifth Slot Choices :" << '\n';
  for (std::size_t i = 0; i < state.Choices.size(); ++i) {
    const TFifthSlotChoice& choice = state.Choices[i];
    out << (static_cast<int>(i) == state.ChoiceIndex ? " *" : "  ") << i << " "
        << Cp1252ToUtf8(choice.Text);
    if (choice.HasItemName()) out << " : " << Cp1252ToUtf8(choice.ItemName);
    out << '\n';
  }
  // The item in its crafted reading: the tab's armour class, gem rows with
  // their tiers, and the fifth-slot rows.
  out << "Item :" << '\n'
      << "  Name : " << Cp1252ToUtf8(item.Name.View()) << '\n'
      << "  Level : " << static_cast<int>(item.Level) << '\n'
      << "  Armour : " << ArmourEntryText(item.Armor) << '\n';
  for (int row = 0; row < kBonusRows; ++row) {
    if (item.BonusCode[row] == 0) continue;
    out << "  Bonus " << row + 1 << " : " << Cp1252ToUtf8(BonusName(item.BonusCode[row])) << " "
        << item.BonusValue[row];
    if (row < kGemSlotCount) out << " (tier " << item.BonusValue[row + kGemSlotCount] << ")";
    out << '\n';
  }
  out << "  Fifth slot : " << static_cast<int>(item.EffectKind[1]) << " "
      << FifthSlotCaption(item.EffectKind[1]) << '\n';
}

int RunSpellcraft(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(
      context.args, {"force-fifth", "universal", "json"},
      {"slot", "level", "armour", "realm", "class", "gem", "fifth", "skill", "quality", "out"},
      error);
  if (!args || !ExpectPositionals(*args, {}, error)) return UsageError(context, error, kUsage);

  std::optional<int> slot = kChest;
  std::optional<int> classIndex;
  std::optional<int> realm;
  std::optional<int> armour;
  if (!ReadNamedOption(*args, "slot", "a slot 1-" + std::to_string(kSlotCount) + " or its name",
                       ParseSlot, slot, error) ||
      !ReadNamedOption(*args, "class",
                       "a class 0-" + std::to_string(kClassTableSize - 1) + " or its name",
                       ParseClass, classIndex, error) ||
      !ReadNamedOption(*args, "realm", kRealmAccepted, ParseRealm, realm, error) ||
      !ReadNamedOption(*args, "armour",
                       "an armour 0-" + std::to_string(kArmourEntryCount - 1) + " or its name",
                       ParseArmour, armour, error)) {
    return UsageError(context, error, kUsage);
  }
  std::optional<long long> level;
  std::optional<long long> fifth;
  std::optional<long long> skill;
  std::optional<long long> quality;
  if (!ReadNumberOption(*args, "level", kMinCraftLevel, kMaxCraftLevel, level, error) ||
      !ReadNumberOption(*args, "fifth", 0, 9999, fifth, error) ||
      !ReadNumberOption(*args, "skill", kMinCraftSkill, kMaxCraftSkill, skill, error) ||
      !ReadNumberOption(*args, "quality", kMinCraftQuality, kMaxCraftQuality, quality, error)) {
    return UsageError(context, error, kUsage);
  }
  std::vector<GemRequest> gems;
  for (const std::string& text : args->Values("gem")) {
    const auto gem = ParseGem(text);
    if (!gem) {
      const std::string accepted = "K:INDEX:TIER with K 1-" + std::to_string(kGemSlotCount) +
                                   ", INDEX 0-" + std::to_string(kGemBonusCount - 1) +
                                   ", TIER 0-99";
      return UsageError(context, BadValueReason("--gem", accepted, text), kUsage);
    }
    gems.push_back(*gem);
  }
  const auto path = args->Value("out");
  if (path && path->empty()) return UsageError(context, kEmptyOutReason, kUsage);
  if (!IsCraftedSlot(*slot))
    return InputError(
        context, "the " + std::string(SlotName(*slot)) + " slot cannot hold a spellcrafted item");

  const bool force = args->Has("force-fifth");
  const bool universal = args->Has("universal");
  SpellcraftContext tab;
  if (classIndex) {
    tab = SpellcraftContextOf(*slot, *classIndex, 50, false, force, universal);
  } else {
    tab.Slot = *slot;
    tab.ForceFifthSlot = force;
    tab.UniversalRealm = universal;
  }
  if (realm) tab.Realm = *realm;

  SpellcraftCalculator calc(tab);
  calc.Open(EmptyItem());
  calc.SCEnter();
  if (skill) calc.eSkillChange(static_cast<int>(*skill));
  if (quality) calc.cQualityChange(static_cast<int>(*quality));
  if (level) calc.sLevelChange(static_cast<int>(*level));
  if (armour && *armour != calc.State().ArmourIndex) {
    if (!calc.View().Armour.Enabled)
      return InputError(context, "the armour class of the " + std::string(SlotName(*slot)) +
                                     " slot is fixed at " +
                                     std::string(ArmourEntryText(calc.State().ArmourIndex)));
    calc.cAbsSelect(*armour);
  }
  if (fifth && *fifth != 0) {
    if (!calc.View().Fifth.Enabled)
      return InputError(context, "a fifth-slot bonus needs item level 51");
    if (*fifth >= static_cast<long long>(calc.State().Choices.size()))
      return InputError(context, "there is no fifth-slot choice " + std::to_string(*fifth) +
                                     " (this item offers " +
                                     std::to_string(calc.State().Choices.size()) + ")");
    calc.cProc2Select(static_cast<int>(*fifth));
  }
  for (const GemRequest& gem : gems) {
    if (!calc.State().Gems[static_cast<std::size_t>(gem.Slot - 1)].Enabled)
      return InputError(context, "gem " + std::to_string(gem.Slot) +
                                     " is locked by the legendary fifth-slot bonus");
    calc.SCArchChange(gem.Slot, kFullListingArchetype);
    calc.SCFakeChange(gem.Slot, gem.Index);
    const int placed = calc.State().Gems[static_cast<std::size_t>(gem.Slot - 1)].BonusIndex;
    const auto ladder = GemValueLadder(placed);
    if (placed == 0) continue;
    if (gem.Tier >= static_cast<int>(ladder.size()))
      return InputError(context, "gem " + std::to_string(gem.Slot) + " (" +
                                     Cp1252ToUtf8(GemBonusName(placed)) + ") has no tier " +
                                     std::to_string(gem.Tier) + "; its tiers are 0 to " +
                                     std::to_string(ladder.size() - 1));
    calc.csChange(gem.Slot, gem.Tier);
  }

  const TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kReturned);
  if (path) {
    if (!calc.State().Valid)
      return InputError(context, "the design is over its limit (charge " + calc.View().Charge.Text +
                                     ", max overcharge " + calc.View().MaxOvercharge.Text +
                                     "); no item written");
    const Status written = WriteFileAtomically(
        *path, std::string_view(reinterpret_cast<const char*>(&item), sizeof item));
    if (!written.Ok()) return InputError(context, written.error);
  }
  if (args->Has("json")) {
    context.out << ReportJson(calc, item).dump(2) << '\n';
  } else {
    ReportText(context.out, calc, item);
  }
  return kExitOk;
}

}  // namespace

constexpr Command kSpellcraftCommand{"spellcraft", kUsage, RunSpellcraft};

}  // namespace qm::cli
