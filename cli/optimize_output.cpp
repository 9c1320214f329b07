#include "cli/optimize_output.h"

#include "cli/record_json.h"
#include "core/decimal_text.h"
#include "core/template_record.h"
#include "spellcraft/spellcraft_gems.h"

namespace qm::cli {
namespace {

// Some gem names carry a trailing blank in the gem table.
std::string_view TrimmedName(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

std::string ImbueText(const CraftedDesign& design) {
  return FormatOneDecimal(design.Charge);
}

std::string PieceLine(const CraftedDesign& design) {
  std::string line =
      "Slot " + std::to_string(design.Slot) + " (" + std::string(SlotName(design.Slot)) + "): ";
  for (std::size_t g = 0; g < design.Gems.size(); ++g)
    line += (g == 0 ? "" : ", ") + GemText(design.Gems[g]);
  if (design.Gems.empty()) line += "no gems";
  return line + "  imbue " + ImbueText(design) + " of " + std::to_string(design.Capacity);
}

}  // namespace

std::string GemText(const TSpellcraftGem& gem) {
  return std::string(TrimmedName(GemBonusName(gem.BonusIndex))) + " " + std::to_string(gem.Value);
}

std::vector<std::string> OptimizeLines(const OptimizerResult& result) {
  std::vector<std::string> lines = {
      "Objective: " + FormatDecimals(result.Objective, 2),
      "Bound: " + FormatDecimals(result.Bound, 2),
      "Gap: " + FormatDecimals(result.Gap * 100, 1) + "%",
      result.Optimal ? "Proven optimal" : "Not proven optimal (stopped at the time limit)",
      "Seconds: " + FormatDecimals(result.Seconds, 1),
  };
  for (const CraftedDesign& design : result.Crafted) lines.push_back(PieceLine(design));
  for (const UnmetMinimum& unmet : result.Unmet) lines.push_back(UnmetText(unmet));
  return lines;
}

nlohmann::ordered_json OptimizeJson(const OptimizerResult& result) {
  auto crafted = nlohmann::ordered_json::array();
  for (const CraftedDesign& design : result.Crafted) {
    auto gems = nlohmann::ordered_json::array();
    for (const TSpellcraftGem& gem : design.Gems) gems.push_back(GemText(gem));
    crafted.push_back({{"slot", design.Slot},
                       {"gems", gems},
                       {"imbue", ImbueText(design)},
                       {"capacity", std::to_string(design.Capacity)}});
  }
  auto unmet = nlohmann::ordered_json::array();
  for (const UnmetMinimum& u : result.Unmet)
    unmet.push_back({{"figure", u.Figure}, {"minimum", u.Minimum}, {"best", u.Best}});
  return {{"objective", result.Objective},
          {"bound", result.Bound},
          {"gap", result.Gap},
          {"optimal", result.Optimal},
          {"seconds", result.Seconds},
          {"template", TemplateToJson(result.Template)},
          {"crafted", crafted},
          {"unmet", unmet}};
}

}  // namespace qm::cli
