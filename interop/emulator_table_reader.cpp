#include "interop/emulator_table_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text.h"
#include "interop/emulator_vocabulary.h"
#include "interop/read_limits.h"
#include "interop/source_text.h"
#include "interop/sql_dump_scanner.h"
#include "interop/stopped_at.h"

namespace qm {
namespace {

constexpr std::string_view kTable = "itemtemplate";
constexpr std::string_view kPhase = "Reading item rows";
constexpr std::size_t kProgressEvery = 256;  // rows between progress reports
constexpr std::size_t kMaxColumns = 1024;
constexpr int kBonusSlots = 11;  // Bonus1..Bonus10 and ExtraBonus
constexpr int kWeaponArmorLevel = 45;

// What a column means to us; everything else is passed over.
enum Role : std::uint8_t {
  kIgnored,
  kIdNb,
  kName,
  kLevel,
  kQuality,
  kSpeed,
  kShieldSize,
  kObjectType,
  kItemType,
  kRealm,
  kAllowedClasses,
  kBonusLevel,
  kLevelRequirement,
  kBonusValue,  // + slot 0..10
  kBonusType = kBonusValue + kBonusSlots,
  kRoleCount = kBonusType + kBonusSlots,
};

struct ColumnRole {
  std::string_view Column;
  int Role;
  int Position;  // in the table's own column order, for rows without a column list
};

constexpr ColumnRole kColumns[] = {
    {"Id_nb", kIdNb, 0},
    {"Name", kName, 2},
    {"Level", kLevel, 5},
    {"Quality", kQuality, 11},
    {"SPD_ABS", kSpeed, 13},
    {"Type_Damage", kShieldSize, 15},
    {"Object_Type", kObjectType, 16},
    {"Item_Type", kItemType, 17},
    {"Bonus1", kBonusValue + 0, 25},
    {"Bonus2", kBonusValue + 1, 26},
    {"Bonus3", kBonusValue + 2, 27},
    {"Bonus4", kBonusValue + 3, 28},
    {"Bonus5", kBonusValue + 4, 29},
    {"Bonus6", kBonusValue + 5, 30},
    {"Bonus7", kBonusValue + 6, 31},
    {"Bonus8", kBonusValue + 7, 32},
    {"Bonus9", kBonusValue + 8, 33},
    {"Bonus10", kBonusValue + 9, 34},
    {"ExtraBonus", kBonusValue + 10, 35},
    {"Bonus1Type", kBonusType + 0, 36},
    {"Bonus2Type", kBonusType + 1, 37},
    {"Bonus3Type", kBonusType + 2, 38},
    {"Bonus4Type", kBonusType + 3, 39},
    {"Bonus5Type", kBonusType + 4, 40},
    {"Bonus6Type", kBonusType + 5, 41},
    {"Bonus7Type", kBonusType + 6, 42},
    {"Bonus8Type", kBonusType + 7, 43},
    {"Bonus9Type", kBonusType + 8, 44},
    {"Bonus10Type", kBonusType + 9, 45},
    {"ExtraBonusType", kBonusType + 10, 46},
    {"Realm", kRealm, 68},
    {"AllowedClasses", kAllowedClasses, 69},
    {"BonusLevel", kBonusLevel, 71},
    {"LevelRequirement", kLevelRequirement, 72},
};
// The table's column count: a row without a column list must have exactly these.
constexpr std::size_t kTableColumns = 80;

int RoleOfColumn(std::string_view column) {
  for (const ColumnRole& c : kColumns) {
    if (SameTextIgnoringCase(c.Column, column)) return c.Role;
  }
  return kIgnored;
}

std::vector<std::uint8_t> RolesOf(const std::vector<std::string_view>& columns) {
  std::vector<std::uint8_t> roles;
  if (columns.empty()) {
    roles.assign(kTableColumns, kIgnored);
    for (const ColumnRole& c : kColumns) {
      roles[static_cast<std::size_t>(c.Position)] = static_cast<std::uint8_t>(c.Role);
    }
    return roles;
  }
  roles.reserve(columns.size());
  for (const std::string_view column : columns) {
    roles.push_back(static_cast<std::uint8_t>(RoleOfColumn(column)));
  }
  return roles;
}

int Clamped(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// A row's values by role; a role the row lacks reads as 0 / empty.
struct RowFields {
  std::array<const SqlValue*, kRoleCount> Of{};
  int Number(int role) const { return Of[role] ? Clamped(SqlNumber(*Of[role])) : 0; }
  std::string Text(int role) const { return Of[role] ? SqlText(*Of[role]) : std::string(); }
};

std::vector<int> ClassesOf(std::string_view list) {
  std::vector<int> classes;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(';', start);
    if (end == std::string_view::npos) end = list.size();
    const SqlValue part{list.substr(start, end - start), '\'', false};
    const int index = ClassOfEmulatorClass(Clamped(SqlNumber(part)));
    if (index >= 0 && std::find(classes.begin(), classes.end(), index) == classes.end()) {
      classes.push_back(index);
    }
    start = end + 1;
  }
  std::sort(classes.begin(), classes.end());
  return classes;
}

int SlotKindOf(const EmulatorSlotPlace& place, const EmulatorObject& object, int shieldSize) {
  if (object.Kind == EmulatorObjectKind::kShield) {
    return shieldSize >= 1 && shieldSize <= 3 ? 23 + shieldSize : 27;  // small..large, class-sized
  }
  if (object.Kind == EmulatorObjectKind::kInstrument) return 23;
  return place.SlotKind;
}

// The item of one row, or the reason it is left out.
std::string_view ItemOfRow(const RowFields& row, ForeignItem& item) {
  item.SourceId = SourceTextAsUtf8(row.Text(kIdNb));
  item.Name = SourceTextAsUtf8(row.Text(kName));
  if (item.Name.empty()) return "no name";
  const auto place = EmulatorSlotOf(row.Number(kItemType));
  const auto object = EmulatorObjectOf(row.Number(kObjectType));
  if (!place || !object) return "not wearable";
  item.SlotKind = SlotKindOf(*place, *object, row.Number(kShieldSize));
  if (object->Kind == EmulatorObjectKind::kArmor && place->Slot == EmulatorSlot::kWorn) {
    item.Armor = object->Armor;
  }
  const bool weapon = object->Kind == EmulatorObjectKind::kWeapon;
  if (weapon || object->Kind == EmulatorObjectKind::kInstrument) {
    item.WeaponType = std::string(object->WeaponType);
    item.SpeedTenths = std::max(0, row.Number(kSpeed));
  }
  item.Realm = RealmOfEmulatorRealm(row.Number(kRealm));
  item.Level = row.Number(kLevel);
  if (item.Level <= 0) item.Level = std::max(0, row.Number(kLevelRequirement));
  item.Quality = std::max(0, row.Number(kQuality));
  item.BonusLevel = std::max(0, row.Number(kBonusLevel));
  if (row.Of[kAllowedClasses]) item.Classes = ClassesOf(row.Text(kAllowedClasses));
  for (int slot = 0; slot < kBonusSlots; ++slot) {
    const int property = row.Number(kBonusType + slot);
    if (property == 0) continue;  // an empty bonus slot
    EmulatorProperty named = EmulatorPropertyOf(property);
    item.Bonuses.push_back({std::move(named.Name), named.Code, row.Number(kBonusValue + slot)});
  }
  if (item.Bonuses.empty()) {
    const bool weaponOrArmor = weapon || object->Kind == EmulatorObjectKind::kArmor ||
                               object->Kind == EmulatorObjectKind::kShield;
    if (!weaponOrArmor) return "no bonuses";
    if (item.Level < kWeaponArmorLevel) return "no bonuses and below level 45";
  }
  return {};
}

}  // namespace

bool LooksLikeEmulatorTable(std::string_view head) {
  return ContainsIgnoringCase(head, kTable) &&
         (ContainsIgnoringCase(head, "INSERT") || ContainsIgnoringCase(head, "REPLACE") ||
          ContainsIgnoringCase(head, "CREATE TABLE"));
}

Result<ReadOutcome> ReadEmulatorTable(std::string_view text, ReadContext& context) {
  if (text.size() > kMaxSourceBytes) return Result<ReadOutcome>::Failure("larger than 1 GiB");
  ReadOutcome outcome;
  SqlDumpScanner scanner(text, kMaxSqlRowBytes, kMaxColumns);
  std::size_t statement = 0;
  bool itemTable = false;
  bool sawTable = false;
  std::vector<std::uint8_t> roles;
  std::size_t rows = 0;
  ReportProgress(context.Progress, 0, text.size(), kPhase);
  for (;;) {
    if (context.Cancel.Cancelled()) return outcome;
    const SqlStep step = scanner.Next();
    if (step == SqlStep::kEnd) break;
    if (scanner.Statement() != statement) {
      statement = scanner.Statement();
      itemTable = SameTextIgnoringCase(scanner.Table(), kTable);
      if (itemTable) roles = RolesOf(scanner.Columns());
      sawTable = sawTable || itemTable;
    }
    if (step == SqlStep::kBrokenOff) {
      outcome.StoppedAt = StoppedAtLine(text, scanner.RowStart(), "the row breaks off");
      break;
    }
    if (!itemTable) continue;
    if (++rows % kProgressEvery == 0) {
      ReportProgress(context.Progress, scanner.Offset(), text.size(), kPhase);
    }
    if (step == SqlStep::kOversized) {
      context.Tally.Skip("row larger than 1 MiB", {});
      continue;
    }
    if (step == SqlStep::kUnreadable) {
      context.Tally.Skip("row not readable", {});
      continue;
    }
    const std::vector<SqlValue>& values = scanner.Values();
    if (scanner.ValueCount() != roles.size()) {
      context.Tally.Skip("values do not match the columns", {});
      continue;
    }
    RowFields fields;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (roles[i] != kIgnored) fields.Of[roles[i]] = &values[i];
    }
    ForeignItem item;
    const std::string_view skipped = ItemOfRow(fields, item);
    if (!skipped.empty()) {
      context.Tally.Skip(skipped, item.Name.empty() ? item.SourceId : item.Name);
      continue;
    }
    outcome.Add(std::move(item), context);
  }
  if (!sawTable) {
    return Result<ReadOutcome>::Failure("not an item table dump (no itemtemplate rows)");
  }
  ReportProgress(context.Progress, text.size(), text.size(), kPhase);
  return outcome;
}

}  // namespace qm
