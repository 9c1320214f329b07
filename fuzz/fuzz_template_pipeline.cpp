// A template as it comes from disk (.qmc, or the old .qmy layout) through
// everything that shows it: totals and caps, every utility mode, the stat
// breakdown of every code, the summary of every slot, every report content
// under every display option, the saved text and HTML, and the listings of
// quillmark-cli show.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/record_text.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/template_file.h"
#include "engine/caps.h"
#include "engine/item_measures.h"
#include "engine/totals.h"
#include "report/report_files.h"
#include "report/report_window.h"
#include "report/slot_summary.h"
#include "report/stat_breakdown.h"
#include "report/template_report.h"

namespace {

// As quillmark-cli loads a template: a new template converts its effect
// numbers unless it says they are global already, an old one always does.
std::optional<qm::TTemplateRecord> Loaded(std::span<const std::uint8_t> bytes) {
  if (auto tpl = qm::ParseTemplate(bytes); tpl.Ok()) {
    qm::TTemplateRecord record = tpl.Value();
    if (record.EffectIdsGlobal != 1) qm::ConvertEffectIds(record);
    return record;
  }
  if (auto tpl = qm::ParseOldTemplate(bytes); tpl.Ok()) {
    qm::TTemplateRecord record = tpl.Value();
    qm::ConvertEffectIds(record);
    return record;
  }
  return std::nullopt;
}

// A figure that rounds to zero reads "0.0" or "0", never with a sign.
void CheckShownFigure(std::string_view text) {
  const std::size_t blank = text.rfind(' ');
  const std::string_view figure = blank == std::string_view::npos ? text : text.substr(blank + 1);
  if (figure == "-0.0" || figure == "-0") std::abort();
}

std::size_t Totals(const qm::TTemplateRecord& tpl, const qm::TotalsAndCaps& figures) {
  const qm::ClassInfo& info = qm::ClassOf(tpl.ClassIndex);
  std::size_t sink = 0;
  for (int i = 0; i < qm::kStatFieldCount; ++i) {
    const auto field = static_cast<qm::StatField>(i);
    sink += qm::GetStat(figures.Totals, field) + qm::GetStat(figures.Caps, field);
    sink += static_cast<std::size_t>(
        qm::EffectiveCap(figures.Caps, figures.Totals, field, info.Acuity));
  }
  sink += static_cast<std::size_t>(qm::AcuityTotal(figures.Totals, info.Acuity));
  for (const qm::SkillRow& row : info.Rows) sink += qm::SkillBonusTotal(row.Code, tpl);
  return sink;
}

std::size_t Utility(const qm::TTemplateRecord& tpl) {
  std::size_t sink = 0;
  for (int mode = 0; mode < qm::kUtilityModeCount; ++mode) {
    const qm::UtilityColumn column = qm::ShowUtility(tpl, mode);
    for (const std::string& text : column.SlotTexts) {
      CheckShownFigure(text);
      sink += text.size();
    }
    CheckShownFigure(column.TotalText);
    sink += column.TotalText.size();
  }
  return sink;
}

std::size_t Panels(const qm::TTemplateRecord& tpl, const qm::TotalsAndCaps& figures) {
  std::size_t sink = 0;
  for (int code = 1; code <= 255; ++code) {
    const qm::PanelText panel = qm::StatBreakdown(code, tpl, tpl.WeaponConfig, figures.Totals);
    sink += panel.Caption.size() + panel.Lines.size();
  }
  const int maxArmour = qm::ClassOf(tpl.ClassIndex).MaxArmor;
  for (int slot = 1; slot <= qm::kSlotCount; ++slot) {
    const qm::SlotSummaryView view = qm::SlotSummary(tpl.Slot(slot), maxArmour);
    sink += view.Panel.Lines.size() + (view.Labels ? view.Labels->statAF.size() : 0);
  }
  return sink;
}

// Every content with every utility mode; the five display toggles take the
// bits of a counter, so each is seen on and off with every content.
std::size_t Reports(const qm::TTemplateRecord& tpl) {
  constexpr qm::ReportContent kContents[] = {
      qm::ReportContent::kAllStatsAndItems, qm::ReportContent::kMaterialList,
      qm::ReportContent::kItemNamesOnly, qm::ReportContent::kStatsOnly};
  std::size_t sink = 0;
  unsigned toggles = 0;
  for (const qm::ReportContent content : kContents) {
    for (int mode = 0; mode < qm::kUtilityModeCount; ++mode, toggles += 7) {
      qm::ReportContext context{tpl, {}, qm::ReadingsFromTemplate(tpl, mode)};
      context.Options.Content = content;
      context.Options.DisplayRace = (toggles & 1) == 0;
      context.Options.DisplayCap = (toggles & 2) == 0;
      context.Options.Notes = (toggles & 4) == 0;
      context.Options.Expansion = (toggles & 8) == 0;
      context.Options.DisplayUtility = (toggles & 16) == 0;
      const qm::ReportDocument document = qm::BuildReport(context);
      for (const std::string& line : document.Lines) {
        if (line.rfind("Total ", 0) == 0 || line.rfind("Average ", 0) == 0) CheckShownFigure(line);
      }
      sink += qm::ReportTextBytes(document.Lines).size();
      const std::string html = qm::ReportHtmlBytes(document.Lines, tpl.CharName.View());
      if (html.rfind("<HTML>", 0) != 0) std::abort();
      sink += html.size();
    }
  }
  return sink;
}

std::size_t Listings(const qm::TTemplateRecord& tpl) {
  std::size_t sink = 0;
  for (const std::string& line : qm::cli::TemplateLines(tpl)) sink += line.size();
  for (const qm::TItemRecord& item : tpl.Slots) {
    for (const std::string& line : qm::cli::ItemLines(item)) sink += line.size();
  }
  return sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<qm::TTemplateRecord> tpl = Loaded({data, size});
  if (!tpl) return 0;
  const qm::TotalsAndCaps figures = qm::ComputeTotals(*tpl);
  volatile std::size_t sink = Totals(*tpl, figures) + Utility(*tpl) + Panels(*tpl, figures) +
                              Reports(*tpl) + Listings(*tpl);
  (void)sink;
  return 0;
}
