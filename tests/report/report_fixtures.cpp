#include "report_fixtures.h"

namespace qm::testing {

TItemRecord Item(std::string_view name, std::initializer_list<Row> rows) {
  TItemRecord item = EmptyItem();
  item.Name.Assign(name);
  item.Level = 50;
  int row = 0;
  for (const auto& [code, value] : rows) {
    item.BonusCode[row] = static_cast<std::uint8_t>(code);
    item.BonusValue[row] = value;
    ++row;
  }
  return item;
}

TItemRecord CraftedItem(std::string_view name, int level, int armourIndex,
                        std::initializer_list<Gem> gems, std::initializer_list<Row> fifth) {
  TItemRecord item = EmptyItem();
  item.Name.Assign(name);
  item.ItemType = kItemTypePlayerCrafted;
  item.Expansion = 1;
  item.Level = static_cast<std::uint8_t>(level);
  item.Armor = static_cast<std::uint8_t>(armourIndex);
  item.Crafted = 1;
  int row = 0;
  for (const Gem& gem : gems) {
    item.BonusCode[row] = static_cast<std::uint8_t>(gem.code);
    item.BonusValue[row] = gem.code != 0 ? gem.value : 0;
    item.BonusValue[row + 4] = gem.code != 0 ? gem.tier : 0;
    ++row;
  }
  row = 8;
  for (const auto& [code, value] : fifth) {
    item.BonusCode[row] = static_cast<std::uint8_t>(code);
    item.BonusValue[row] = value;
    ++row;
  }
  return item;
}

TTemplateRecord Template(std::string_view name, int classIndex, int weaponConfig) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign(name);
  tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
  tpl.RaceIndex = 0;
  tpl.WeaponConfig = static_cast<std::uint8_t>(weaponConfig);
  return tpl;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace qm::testing

#include <algorithm>

#include "report/report_window.h"

namespace qm::testing {

std::vector<std::string> ReportLines(const TTemplateRecord& tpl, const ReportOptions& options,
                                     int utilityMode) {
  ReportContext context{tpl, options, ReadingsFromTemplate(tpl, utilityMode)};
  return BuildReport(context).Lines;
}

std::vector<std::string> Between(const std::vector<std::string>& lines, std::string_view from,
                                 std::string_view to) {
  const auto begin = std::find(lines.begin(), lines.end(), from);
  if (begin == lines.end()) return {};
  const auto end = std::find(begin + 1, lines.end(), to);
  return {begin, end};
}

bool HasLine(const std::vector<std::string>& lines, std::string_view line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace qm::testing
