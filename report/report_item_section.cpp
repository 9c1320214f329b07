// The item section of the template report: the equipped items with their
// bonuses, or in material mode the crafted items with the materials of each
// gem, which also fill the material tally.
#include <algorithm>
#include <array>
#include <cstdio>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "core/text.h"
#include "report/bonus_text.h"
#include "report/material_tally.h"
#include "report/report_sections.h"
#include "spellcraft/gem_names.h"

namespace qm::report_detail {
namespace {

// When a slot's item is listed: outside material mode by its name (and for
// the weapon slots by the weapon choice), in material mode only when crafted.
enum class Listing : std::uint8_t { kByName, kWeapon, kNever, kCrafted };

struct SlotRow {
  std::string_view Prefix;
  Listing Normal;
  Listing Materials;
  std::array<bool, 5> ByWeaponChoice;  // used by Listing::kWeapon, choices 0..4
};

constexpr std::array<bool, 5> kAnyChoice{};
constexpr std::array<SlotRow, kSlotCount> kSlotRows = {{
    {"Jewel : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Neck : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Cloak : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Belt : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Ring1 : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Ring2 : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Wrist1 : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Wrist2 : ", Listing::kByName, Listing::kNever, kAnyChoice},
    {"Chest : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Head  : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Arms  : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Hands : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Legs  : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Feet  : ", Listing::kByName, Listing::kCrafted, kAnyChoice},
    {"Right Hand : ", Listing::kWeapon, Listing::kCrafted, {true, false, false, false, false}},
    {"Left Hand : ", Listing::kWeapon, Listing::kCrafted, {true, true, false, false, false}},
    {"Two Hand : ", Listing::kWeapon, Listing::kCrafted, {false, true, true, false, false}},
    {"Ranged : ", Listing::kWeapon, Listing::kCrafted, {false, false, false, true, false}},
    {"Myth : ", Listing::kByName, Listing::kNever, kAnyChoice},
}};

// Slots before which a group header stands, with its text.
struct GroupHeader {
  int Slot;
  std::string_view Text;
};
constexpr std::array<GroupHeader, 3> kGroupHeaders = {
    {{kJewel, "<== Jewelry ==>"}, {kChest, "<== Armor ==>"}, {kRightHand, "<== Weapon(s) ==>"}}};

// Rows of a crafted item: gems in 1..4 with their quality indexes in 5..8,
// the fifth-slot bonus in 9 and 10.
constexpr int kGemRows = 4;
constexpr int kQualityRowOffset = 4;
constexpr int kFifthSlotRow = 8;
constexpr int kSecondFifthSlotRow = 9;
constexpr std::string_view kImportedNote = "imported qmi";
constexpr int kFirstEffectKind = 1;
constexpr int kLastEffectKind = 6;

// The empty item is named with one blank, so a name counts only when it
// holds more than blanks.
bool HasName(const TItemRecord& item) {
  const std::string_view name = item.Name.View();
  return name.find_first_not_of(' ') != std::string_view::npos;
}

bool IsListed(const SlotRow& row, const TItemRecord& item, bool materialMode, int weaponChoice) {
  if (!HasName(item)) return false;
  const Listing rule = materialMode ? row.Materials : row.Normal;
  switch (rule) {
    case Listing::kByName:
      return true;
    case Listing::kWeapon:
      return weaponChoice >= 0 && weaponChoice < static_cast<int>(row.ByWeaponChoice.size()) &&
             row.ByWeaponChoice[weaponChoice];
    case Listing::kCrafted:
      return item.Crafted != 0;
    case Listing::kNever:
      break;
  }
  return false;
}

std::string Printed(const char* format, std::string_view name, std::string_view value) {
  char buffer[256];
  const std::string n(name), v(value);
  std::snprintf(buffer, sizeof buffer, format, n.c_str(), v.c_str());
  return buffer;
}

// "%-30s : %4s" with the bonus name and value of one row.
std::string BonusLine(const TItemRecord& item, int row) {
  return Printed("%-30s : %4s", BonusName(item.BonusCode[row]),
                 std::to_string(item.BonusValue[row]));
}

// A row the report can name: codes above 198 have no name and feed no
// total, so they are not listed.
bool ShowsRow(const TItemRecord& item, int row) {
  return item.BonusCode[row] != 0 && item.BonusCode[row] <= kMaxBonusCode;
}

void AddDroppedBonuses(const TItemRecord& item, Lines& lines) {
  for (int row = 0; row < kBonusRows; ++row) {
    if (!ShowsRow(item, row)) continue;
    std::string line = BonusLine(item, row);
    if (ReadsAsPercent(line)) line += "%";
    lines.push_back(std::move(line));
  }
}

void AddCraftedBonuses(const TItemRecord& item, int realm, Lines& lines) {
  for (int gem = 0; gem < kGemRows; ++gem) {
    if (!ShowsRow(item, gem)) continue;
    const std::string name =
        GemName(item.BonusCode[gem], item.BonusValue[gem + kQualityRowOffset], realm);
    lines.push_back(BonusLine(item, gem) + " ( " + name + " )");
  }
  if (!ShowsRow(item, kFifthSlotRow)) return;
  for (const int row : {kFifthSlotRow, kSecondFifthSlotRow}) {
    if (!ShowsRow(item, row)) continue;
    std::string line = BonusLine(item, row);
    if (FifthSlotReadsAsPercent(line)) line += "%";
    lines.push_back(std::move(line));
  }
}

void AddGemMaterials(const TItemRecord& item, int realm, Lines& lines, MaterialTally& tally) {
  lines.emplace_back("");
  for (int gem = 0; gem < kGemRows; ++gem) {
    const int code = item.BonusCode[gem];
    if (code == 0) continue;
    const std::int32_t quality = item.BonusValue[gem + kQualityRowOffset];
    std::string materials = GemMaterials(code, quality, realm);
    AddGemToTally(tally, code, quality, realm);
    std::replace(materials.begin(), materials.end(), '|', ',');
    lines.push_back("Gem " + std::to_string(gem + 1) + " : " + materials);
  }
}

void AddEffects(const TItemRecord& item, Lines& lines) {
  for (int effect = 0; effect < kEffectRows; ++effect) {
    const int kind = item.EffectKind[effect];
    if (kind < kFirstEffectKind || kind > kLastEffectKind) continue;
    lines.push_back(std::string(EntryOf(EffectKindList(), kind)) + " " +
                    std::to_string(effect + 1) + " : " +
                    std::string(EffectName(item.EffectId[effect])));
  }
}

void AddDetails(const ReportContext& context, const TItemRecord& item, Lines& lines,
                MaterialTally& tally) {
  const ReportOptions& options = context.Options;
  const bool crafted = item.Crafted != 0;
  const int realm = RealmOfClass(context.ReportCopy.ClassIndex);
  if (item.Unique != 0)
    lines.emplace_back("( This item was edited manually or is Unique ( RoG ) )");
  if (crafted) lines.emplace_back("( This is a Crafted Item )");
  const std::string_view note = item.Note.View();
  if (options.Notes && !note.empty() && !SameTextIgnoringCase(note, kImportedNote))
    lines.push_back("Item Notes : " + std::string(note));
  char level[32];
  std::snprintf(level, sizeof level, "Level : %3d", item.Level);
  lines.emplace_back(level);
  if (options.Expansion) {
    // An index the expansion list does not reach reads as its first entry, "<Unknown>".
    std::string_view expansion = ExpansionList().At(item.Expansion);
    if (expansion.empty()) expansion = ExpansionList().At(0);
    lines.push_back("Expansion : " + std::string(expansion));
  }
  if (crafted) {
    AddCraftedBonuses(item, realm, lines);
  } else {
    AddDroppedBonuses(item, lines);
  }
  if (crafted && options.Content == ReportContent::kMaterialList)
    AddGemMaterials(item, realm, lines, tally);
  if (!crafted) AddEffects(item, lines);
  lines.emplace_back("");
}

}  // namespace

void AddItemSection(const ReportContext& context, Lines& lines, MaterialTally& tally) {
  const TTemplateRecord& tpl = context.ReportCopy;
  const bool materialMode = context.Options.Content == ReportContent::kMaterialList;
  const bool namesOnly = context.Options.Content == ReportContent::kItemNamesOnly;
  lines.emplace_back("<== Equipment Info ==>");
  lines.emplace_back(" ");
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    for (const GroupHeader& header : kGroupHeaders) {
      if (header.Slot != slot) continue;
      lines.emplace_back(header.Text);
      lines.emplace_back("");
    }
    const SlotRow& row = kSlotRows[slot - 1];
    const TItemRecord& item = tpl.Slot(slot);
    if (!IsListed(row, item, materialMode, tpl.WeaponConfig)) continue;
    lines.push_back(std::string(row.Prefix) + item.Name.Str());
    if (!namesOnly) AddDetails(context, item, lines, tally);
  }
}

}  // namespace qm::report_detail
