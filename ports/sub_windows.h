#pragma once
// What the main window asks of the other windows. The desktop program backs
// these with its windows; tests and the CLI with scripted fakes.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

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

// The template whose spellcrafted gems go onto the game's quickbar.
struct QuickbarRequest {
  TTemplateRecord Template{};
};

// The template the optimizer starts from, the crafter's skill the workbench
// keeps, and the main window's command that puts an accepted proposal in
// place as one step of its history.
struct OptimizeTemplateRequest {
  TTemplateRecord Template{};
  int CraftSkill = 0;
  std::function<void(const TTemplateRecord&)> Apply;
};

// What opening a window hands it: nothing, or the request that window reads.
using SubWindowRequest = std::variant<std::monostate, ReportRequest, ComparisonRequest,
                                      QuickbarRequest, OptimizeTemplateRequest>;

// The main window opens every other window by its name: the name the desktop
// registers it under and "quillmark --screenshot --window NAME" takes
// ("report", "browser", "salvage", "options", "compare", "about", ...).
class SubWindowPort {
 public:
  virtual ~SubWindowPort() = default;
  virtual void Open(std::string_view window, const SubWindowRequest& request) = 0;
};

}  // namespace qm
