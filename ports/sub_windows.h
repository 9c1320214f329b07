#pragma once
// What the main window asks of the other windows. The desktop program backs
// these with its windows; tests and the CLI with scripted fakes.
#include <array>
#include <string>

#include "core/template_record.h"

namespace qm {

// What the report window reads from the main window.
struct ReportRequest {
  TTemplateRecord Template{};
  std::string ClassText;
  int RaceIndex = 0;
  std::string RaceText;
  std::array<std::string, kSlotCount> UtilityTexts;
};

// The two templates the comparison window sets side by side, each with the
// title it goes by.
struct ComparisonRequest {
  TTemplateRecord A{}, B{};
  std::string TitleA, TitleB;
};

class SubWindowPort {
 public:
  virtual ~SubWindowPort() = default;
  virtual void ShowReport(const ReportRequest& request) = 0;
  virtual void ShowVaultBrowser() = 0;
  virtual void ShowSalvageCalculator() = 0;
  virtual void ShowOptions() = 0;
  virtual void ShowComparison(const ComparisonRequest& request) = 0;
};

}  // namespace qm
