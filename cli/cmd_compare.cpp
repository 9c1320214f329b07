// compare A B [--json]: the comparison window's table for two templates:
// every figure of the main window, every totals and caps field, each with
// both values and the difference, what got worse first.
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/text.h"
#include "mainwin/template_comparison.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "compare A.qmc B.qmc [--json]";

struct Side {
  std::string path;
  TTemplateRecord tpl;
};

std::string Title(const Side& side) {
  return Cp1252ToUtf8(side.tpl.CharName.View()) + " (" +
         std::filesystem::path(side.path).filename().string() + ")";
}

nlohmann::ordered_json FigureJson(const ComparedFigure& figure) {
  if (!figure.Present) return nullptr;
  nlohmann::ordered_json json = {{"value", figure.Value}};
  if (figure.HasCap) json["cap"] = figure.Cap;
  return json;
}

void PrintJson(std::ostream& out, const Side& a, const Side& b,
               const TemplateComparison& comparison) {
  nlohmann::ordered_json json;
  json["a"] = {{"file", a.path}, {"CharName", Cp1252ToUtf8(a.tpl.CharName.View())}};
  json["b"] = {{"file", b.path}, {"CharName", Cp1252ToUtf8(b.tpl.CharName.View())}};
  json["worse"] = comparison.Worse;
  json["better"] = comparison.Better;
  json["same"] = comparison.Same;
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const ComparisonRow& row : comparison.Rows) {
    rows.push_back({{"group", row.Group},
                    {"figure", Cp1252ToUtf8(row.Figure)},
                    {"a", FigureJson(row.A)},
                    {"b", FigureJson(row.B)},
                    {"difference", row.Difference},
                    {"direction", DirectionName(row.Direction)}});
  }
  json["rows"] = rows;
  out << json.dump(2) << '\n';
}

void PrintText(std::ostream& out, const Side& a, const Side& b,
               const TemplateComparison& comparison) {
  out << "A : " << Title(a) << '\n';
  out << "B : " << Title(b) << '\n';
  out << comparison.Worse << " worse, " << comparison.Better << " better, " << comparison.Same
      << " unchanged\n";
  constexpr const char* kHeadings[] = {"Worse", "Better", "Unchanged"};
  int shown = -1;
  for (const ComparisonRow& row : comparison.Rows) {
    const int direction = static_cast<int>(row.Direction);
    if (direction != shown) {
      shown = direction;
      out << '\n' << kHeadings[direction] << '\n';
    }
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, "  %-20s %-28s %13s %13s  %s", row.Group.c_str(),
                  Cp1252ToUtf8(row.Figure).c_str(), FigureText(row.A).c_str(),
                  FigureText(row.B).c_str(), DifferenceText(row).c_str());
    out << buffer << '\n';
  }
}

int RunCompare(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {"json"}, {}, error);
  if (!args || !ExpectPositionals(*args, {"A.qmc", "B.qmc"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const std::string& pathA = args->Positional()[0];
  const std::string& pathB = args->Positional()[1];
  auto a = LoadAnyTemplate(pathA, context.err);
  if (!a.Ok()) return InputError(context, a.Error());
  auto b = LoadAnyTemplate(pathB, context.err);
  if (!b.Ok()) return InputError(context, b.Error());
  const Side sideA{pathA, a.Value()};
  const Side sideB{pathB, b.Value()};
  const TemplateComparison comparison = CompareTemplates(sideA.tpl, sideB.tpl);
  if (args->Has("json")) {
    PrintJson(context.out, sideA, sideB, comparison);
  } else {
    PrintText(context.out, sideA, sideB, comparison);
  }
  return kExitOk;
}

}  // namespace

constexpr Command kCompareCommand{"compare", kUsage, RunCompare};

}  // namespace qm::cli
