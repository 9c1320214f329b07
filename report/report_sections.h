#pragma once
// The sections of the template report, each appending its lines to the
// document. Internal to the report builder.
#include <string>
#include <vector>

#include "engine/totals.h"
#include "report/template_report.h"

namespace qm::report_detail {

using Lines = std::vector<std::string>;

// "<== Main Stat Bonuses ==>" down to the " " after the other bonuses.
void AddStatSection(const ReportContext& context, const TotalsAndCaps& figures, Lines& lines);
// "<== Equipment Info ==>" and the nineteen slots, filling the tally in
// material mode.
void AddItemSection(const ReportContext& context, Lines& lines, MaterialTally& tally);

}  // namespace qm::report_detail
