#pragma once
// The template report: the report copy of the template turned into a
// fixed-width plain-text document (character header, utility figures, every
// stat, cap increase, skill, resist and special bonus against its cap, the
// equipped items and, on request, the spellcrafting materials the crafted
// items need). BuildReport is a pure function of its context: everything the
// report reads from the main window is handed in, never looked up.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/template_record.h"
#include "core/web_addresses.h"
#include "report/material_tally.h"

namespace qm {

inline constexpr std::string_view kReportTitle = "Quillmark Classic v1.118.0.2 Template Report";

// The four content modes of the Options menu; exactly one is on.
enum class ReportContent : std::uint8_t {
  kAllStatsAndItems,  // AllStats1
  kMaterialList,      // Mats
  kItemNamesOnly,     // NameOnly1
  kStatsOnly,         // StatsOnly1
};

// The display options of the report window. The weapon choice is the report
// copy's own weapon configuration.
struct ReportOptions {
  ReportContent Content = ReportContent::kAllStatsAndItems;
  bool DisplayRace = true;     // DisplayRace: race line and race resists
  bool DisplayCap = true;      // DisplayCap: cap-increase section
  bool Notes = true;           // Notes1: item notes
  bool Expansion = true;       // Expansion1: item expansion line
  bool DisplayUtility = true;  // DisplayUtility1: utility block
};

// What the main window shows and the report repeats.
struct MainWindowReadings {
  std::string ClassText;  // the class combo's text, blanks included
  int RaceIndex = 0;      // the race combo's index; 0 is "<None>"
  std::string RaceText;   // the race combo's text
  // The per-slot measure texts of the current utility mode, slot 1 first.
  std::array<std::string, kSlotCount> SlotMeasures;
};

struct ReportContext {
  TTemplateRecord ReportCopy;
  ReportOptions Options;
  MainWindowReadings MainWindow;
};

struct ReportDocument {
  // The lines of Rpt. "" and " " are different lines and both occur.
  std::vector<std::string> Lines;
  MaterialTally Tally;
};

ReportDocument BuildReport(const ReportContext& context);

// The number of skill rows of a class that the skill section walks; 0 for an
// index outside the class table.
int ReportSkillLineCount(int classIndex);

// The fixed-width line formats of the stat section.
std::string FormatF4(std::string_view label, std::string_view items, std::string_view cap,
                     std::string_view diff);
std::string FormatF3(std::string_view label, std::string_view value, std::string_view cap);
std::string FormatF1(std::string_view label, std::string_view value);
// A resist with the race's own resist: the F4 columns, then "  +", the race
// resist in two columns and "%".
std::string FormatFR(std::string_view label, std::string_view items, std::string_view cap,
                     std::string_view diff, std::string_view race);
// The column heading of the stat section.
std::string FormatHeading(std::string_view label, std::string_view items, std::string_view cap,
                          std::string_view diff);

}  // namespace qm
