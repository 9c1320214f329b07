#include "mainwin/optimize_texts.h"

#include <cctype>

#include "core/decimal_text.h"
#include "core/template_record.h"
#include "spellcraft/spellcraft_gems.h"

namespace qm {
namespace {

std::string PercentText(double fraction) {
  return FormatDecimals(fraction * 100, 2) + "%";
}

bool IsUpper(char c) {
  return std::isupper(static_cast<unsigned char>(c)) != 0;
}

bool IsLower(char c) {
  return std::islower(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string FigureCaption(std::string_view figure) {
  // Skill rows are named by their labels already, blanks and all.
  if (figure.find(' ') != std::string_view::npos) return std::string(figure);
  std::string caption;
  for (std::size_t i = 0; i < figure.size(); ++i) {
    if (i > 0 && IsUpper(figure[i]) && IsLower(figure[i - 1])) caption += ' ';
    caption += figure[i];
  }
  return caption;
}

std::string WeightText(double weight) {
  std::string text = FormatDecimals(weight, 3);
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string SearchLine(const OptimizerProgress& progress) {
  if (!progress.Best) return "No template yet, bound " + FormatOneDecimal(progress.Bound) + ".";
  return "Best so far " + FormatOneDecimal(*progress.Best) + ", bound " +
         FormatOneDecimal(progress.Bound) + ", gap " + PercentText(progress.Gap) + ".";
}

std::string OutcomeLine(const OptimizerResult& result, bool cancelled) {
  std::string line = "Objective " + FormatOneDecimal(result.Objective) + ", bound " +
                     FormatOneDecimal(result.Bound) + ", gap " + PercentText(result.Gap) + ": ";
  if (result.Optimal) return line + "proven best.";
  if (!result.Stopped) return line + "not proven.";
  return line + (cancelled ? "not proven, stopped by Cancel." : "not proven, out of time.");
}

std::string UnmetText(const OptimizerResult& result) {
  std::string text;
  for (const UnmetMinimum& unmet : result.Unmet) {
    if (!text.empty()) text += ' ';
    text += FigureCaption(unmet.Figure) + " at least " + std::to_string(unmet.Minimum) +
            " cannot be met: at best " + std::to_string(unmet.Best) + ".";
  }
  return text;
}

TableState CraftedTable(const OptimizerResult& result) {
  TableState table;
  table.Captions = {"Slot", "Gems", "Imbue"};
  for (const CraftedDesign& design : result.Crafted) {
    std::string gems;
    for (const TSpellcraftGem& gem : design.Gems) {
      if (!gems.empty()) gems += ", ";
      std::string_view name = GemBonusName(gem.BonusIndex);
      while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
      gems += std::string(name) + " " + std::to_string(gem.Value);
    }
    const bool over = design.Charge > design.Capacity;
    table.Rows.push_back(
        {{std::string(SlotName(design.Slot))},
         {gems},
         {FormatOneDecimal(design.Charge) + " of " + std::to_string(design.Capacity),
          over ? kMaroon : kBlack}});
  }
  return table;
}

}  // namespace qm
