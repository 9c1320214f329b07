#include "report/template_report.h"

#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "core/class_table.h"
#include "core/decimal_text.h"
#include "engine/item_measures.h"
#include "engine/totals.h"
#include "report/report_sections.h"

namespace qm {
namespace {

using report_detail::Lines;

constexpr std::array<std::string_view, 5> kServerLines = {
    "Server Type    : Normal", "Server Type    : Coop", "Server Type    : Classic",
    "Server Type    : PvP", "Server Type    : Origins"};
constexpr std::array<std::string_view, 3> kRealmLines = {
    "Realm          : Albion", "Realm          : Hibernia", "Realm          : Midgard"};

// Skill rows the report lists per class, in class index order. Display-only
// rows (Chants, Savagery, Pacification, Nightshade Magic) sit at the end of
// their classes' rows and are left out by the count. The Valkyrie lists all
// six of its rows: its sixth, Mending, is a real skill.
constexpr std::array<std::uint8_t, kClassTableSize> kSkillLineCounts = {
    8, 3, 3, 4, 5, 6, 5, 6, 4, 3, 6, 7, 5, 3, 3, 3,  // Albion
    3, 3, 5, 6, 7, 3, 3, 3, 7, 5, 3, 6, 5, 3, 4, 6,  // Hibernia
    5, 3, 2, 5, 5, 3, 5, 6, 3, 5, 3, 6, 6, 3, 6,     // Midgard
};

void AddHeader(const ReportContext& context, Lines& lines) {
  const TTemplateRecord& tpl = context.ReportCopy;
  lines.emplace_back(kReportTitle);
  lines.emplace_back("");
  lines.push_back("Character Name : " + tpl.CharName.Str());
  lines.push_back("Character Level: " + std::to_string(tpl.CharLevel));
  lines.push_back("Realm Rank     : " + std::to_string(tpl.RealmRank));
  if (tpl.ServerType < kServerLines.size()) lines.emplace_back(kServerLines[tpl.ServerType]);
  lines.push_back("Class          : " + context.MainWindow.ClassText);
  if (context.MainWindow.RaceIndex != 0 && context.Options.DisplayRace)
    lines.push_back("Race           : " + context.MainWindow.RaceText);
  const int realm = RealmOfClass(tpl.ClassIndex);
  if (realm >= 0 && realm < static_cast<int>(kRealmLines.size()))
    lines.emplace_back(kRealmLines[realm]);
  lines.emplace_back("");
}

bool ShowsNothing(const std::string& measure) {
  return measure == "0" || measure == "0.0";
}

void AddUtilityBlock(const ReportContext& context, Lines& lines) {
  const TTemplateRecord& tpl = context.ReportCopy;
  double normal = 0;
  double toa = 0;
  double bonusLevels = 0;
  int shown = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TItemRecord& item = tpl.Slot(slot);
    // The measures are added as their texts read, one decimal each.
    normal += std::strtod(NormalUtility(item).c_str(), nullptr);
    toa += std::strtod(ToAUtility(item).c_str(), nullptr);
    bonusLevels += std::strtod(ComputeBonusLevel(item).c_str(), nullptr);
    if (!ShowsNothing(context.MainWindow.SlotMeasures[slot - 1])) ++shown;
  }
  if (shown > 0) bonusLevels /= shown;
  lines.push_back("Total Utility     : " + FormatOneDecimal(normal));
  lines.push_back("Total ToA Utility : " + FormatOneDecimal(toa));
  lines.push_back("Average Bonus LV  : " + FormatOneDecimal(bonusLevels));
  lines.emplace_back("");
}

void AddTrailer(Lines& lines) {
  lines.emplace_back(" ");
  lines.emplace_back("<== End Report ==>");
  lines.emplace_back(" ");
  lines.push_back("Quillmark can be downloaded at " + std::string(kMakerWebSite));
}

// printf into a string; fields longer than their columns are not cut.
template <typename... Texts>
std::string Pad(const char* format, Texts... texts) {
  const std::array<std::string, sizeof...(Texts)> owned{std::string(texts)...};
  auto print = [&](char* buffer, std::size_t size) {
    return std::apply(
        [&](const auto&... text) { return std::snprintf(buffer, size, format, text.c_str()...); },
        owned);
  };
  const int length = print(nullptr, 0);
  if (length <= 0) return {};
  std::string out(static_cast<std::size_t>(length) + 1, '\0');
  print(out.data(), out.size());
  out.resize(static_cast<std::size_t>(length));
  return out;
}

}  // namespace

int ReportSkillLineCount(int classIndex) {
  if (classIndex < 0 || classIndex >= kClassTableSize) return 0;
  return kSkillLineCounts[classIndex];
}

std::string FormatF4(std::string_view label, std::string_view items, std::string_view cap,
                     std::string_view diff) {
  return Pad("%-30s : %5s / %5s  ( %4s )", label, items, cap, diff);
}

std::string FormatF3(std::string_view label, std::string_view value, std::string_view cap) {
  return Pad("%-30s : %5s / %5s", label, value, cap);
}

std::string FormatF1(std::string_view label, std::string_view value) {
  return Pad("%-30s : %5s", label, value);
}

std::string FormatFR(std::string_view label, std::string_view items, std::string_view cap,
                     std::string_view diff, std::string_view race) {
  return Pad("%-30s : %5s / %5s  ( %4s )  +%2s", label, items, cap, diff, race) + "%";
}

std::string FormatHeading(std::string_view label, std::string_view items, std::string_view cap,
                          std::string_view diff) {
  return Pad("%-30s   %5s / %5s  ( %s )", label, items, cap, diff);
}

ReportDocument BuildReport(const ReportContext& context) {
  ReportDocument document;
  const TotalsAndCaps figures = ComputeTotals(context.ReportCopy);
  Lines& lines = document.Lines;
  AddHeader(context, lines);
  if (context.Options.DisplayUtility) AddUtilityBlock(context, lines);
  if (context.Options.Content != ReportContent::kMaterialList)
    report_detail::AddStatSection(context, figures, lines);
  if (context.Options.Content != ReportContent::kStatsOnly)
    report_detail::AddItemSection(context, lines, document.Tally);
  if (context.Options.Content == ReportContent::kMaterialList) {
    lines.emplace_back("<== Spellcraft Materials Needed ==>");
    lines.emplace_back("");
    for (std::string& line : MaterialLines(document.Tally)) lines.push_back(std::move(line));
  }
  AddTrailer(lines);
  return document;
}

}  // namespace qm
