// totals FILE [--json]: every totals and caps field of a template, the
// effective caps of the capped stats, and the class's skill rows.
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/class_table.h"
#include "core/text.h"
#include "engine/caps.h"
#include "engine/totals.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "totals FILE [--json]";

// One capped stat: its total and the cap it is judged against.
struct CappedFigure {
  std::string name;   // the JSON key
  std::string label;  // what the listing prints
  int total = 0;
  int cap = 0;
};

std::vector<CappedFigure> CappedFigures(const TotalsAndCaps& result, int acuityKind) {
  const TTotalsRecord& t = result.Totals;
  const TCapsRecord& c = result.Caps;
  auto figure = [&](const char* name, const char* label, StatField field, int total) {
    return CappedFigure{name, label, total, EffectiveCap(c, t, field, acuityKind)};
  };
  std::vector<CappedFigure> figures = {
      figure("Strength", "Strength", StatField::kStrength, t.Strength),
      figure("Constitution", "Constitution", StatField::kConstitution, t.Constitution),
      figure("Dexterity", "Dexterity", StatField::kDexterity, t.Dexterity),
      figure("Quickness", "Quickness", StatField::kQuickness, t.Quickness),
  };
  if (AcuityFieldsOf(acuityKind).Valid) {
    const std::string label =
        "Acuity (" + std::string(FieldInfo(AcuityFieldsOf(acuityKind).Stat).Name) + ")";
    figures.push_back(
        figure("Acuity", label.c_str(), StatField::kAcuity, AcuityTotal(t, acuityKind)));
  }
  figures.push_back(figure("HitPoints", "Hit Points", StatField::kHitPoints, t.HitPoints));
  figures.push_back(figure("PowerPool", "Power Pool %", StatField::kPowerPool, t.PowerPool));
  return figures;
}

struct SkillFigure {
  int code = 0;
  std::string label;
  int value = 0;
  int cap = 0;
  bool counted = false;  // a skill line that bonuses reach
};

// The rows a player sees in the skill box. Display-only rows (Chants,
// Savagery, Pacification, Nightshade Magic) have no bonus code behind them
// and show 0 against a cap of 0, as the window leaves them.
std::vector<SkillFigure> SkillFigures(const TTemplateRecord& tpl, const TCapsRecord& caps) {
  std::vector<SkillFigure> skills;
  for (const SkillRow& row : ClassOf(tpl.ClassIndex).Rows) {
    if (row.Label.empty()) continue;  // an empty row
    SkillFigure skill{row.Code, std::string(row.Label)};
    if (row.Code >= 23 && row.Code <= 249) {
      skill.value = SkillBonusTotal(row.Code, tpl) + tpl.RealmRank - 1;
      skill.cap = caps.SkillCap;
      skill.counted = true;
    }
    skills.push_back(skill);
  }
  return skills;
}

nlohmann::ordered_json RecordJson(const TStatBlock& block) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (int i = 0; i < kStatFieldCount; ++i) {
    json[std::string(kStatFields[i].Name)] = GetStat(block, static_cast<StatField>(i));
  }
  return json;
}

void PrintJson(std::ostream& out, const TTemplateRecord& tpl, const TotalsAndCaps& result) {
  const int acuityKind = ClassOf(tpl.ClassIndex).Acuity;
  nlohmann::ordered_json json;
  json["totals"] = RecordJson(result.Totals);
  json["caps"] = RecordJson(result.Caps);
  nlohmann::ordered_json effective = nlohmann::ordered_json::object();
  for (const CappedFigure& figure : CappedFigures(result, acuityKind)) {
    effective[figure.name] = figure.cap;
  }
  json["effective"] = effective;
  nlohmann::ordered_json skills = nlohmann::ordered_json::array();
  for (const SkillFigure& skill : SkillFigures(tpl, result.Caps)) {
    skills.push_back({{"code", skill.code},
                      {"label", Cp1252ToUtf8(skill.label)},
                      {"value", skill.value},
                      {"cap", skill.cap}});
  }
  json["skills"] = skills;
  out << json.dump(2) << '\n';
}

// One formatted line, without the blanks that padding leaves at its end.
std::string Line(const char* format, auto... values) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, values...);
  std::string line = buffer;
  line.erase(line.find_last_not_of(' ') + 1);
  return line + '\n';
}

// Fields whose cap means nothing: no bonus is judged against it.
bool Uncapped(StatField field) {
  return field == StatField::kSpareWord || field == StatField::kSkillCap ||
         field == StatField::kSpareByte || field == StatField::kFocus;
}

// "(-5)" below the cap, "(+3)" at or above it, as the main window writes it.
std::string Difference(int total, int cap) {
  return total < cap ? "(-" + std::to_string(cap - total) + ")"
                     : "(+" + std::to_string(total - cap) + ")";
}

const char* OverMark(int total, int cap) {
  return total > cap ? "  over cap" : "";
}

void PrintText(std::ostream& out, const TTemplateRecord& tpl, const TotalsAndCaps& result) {
  const ClassInfo& info = ClassOf(tpl.ClassIndex);
  out << "Character : " << Cp1252ToUtf8(tpl.CharName.View()) << '\n';
  out << "Class     : " << (info.Text.empty() ? "(none)" : std::string(info.Text)) << ", level "
      << int{tpl.CharLevel} << ", RR" << int{tpl.RealmRank} << '\n';
  const std::string_view weapons = WeaponConfigText(tpl.WeaponConfig);
  out << "Weapons   : " << (weapons.empty() ? "(none counted)" : std::string(weapons)) << "\n\n";

  out << "Capped stats              total    cap\n";
  for (const CappedFigure& figure : CappedFigures(result, info.Acuity)) {
    out << Line("  %-22s %6d / %-5d %-7s%s", figure.label.c_str(), figure.total, figure.cap,
                Difference(figure.total, figure.cap).c_str(), OverMark(figure.total, figure.cap));
  }

  const std::vector<SkillFigure> skills = SkillFigures(tpl, result.Caps);
  if (!skills.empty()) {
    out << "\nSkills                    value    cap\n";
    for (const SkillFigure& skill : skills) {
      const std::string difference = skill.counted ? Difference(skill.value, skill.cap) : "";
      out << Line("  %-22s %6d / %-5d %-7s%s", skill.label.c_str(), skill.value, skill.cap,
                  difference.c_str(), OverMark(skill.value, skill.cap));
    }
  }

  out << "\nAll fields                total    cap\n";
  for (int i = 0; i < kStatFieldCount; ++i) {
    const auto field = static_cast<StatField>(i);
    const int total = GetStat(result.Totals, field);
    const int cap = GetStat(result.Caps, field);
    out << Line("  %-22s %6d / %-5d%s", std::string(kStatFields[i].Name).c_str(), total, cap,
                Uncapped(field) ? "" : OverMark(total, cap));
  }
}

int RunTotals(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {"json"}, {}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  const TotalsAndCaps result = ComputeTotals(tpl.Value());
  if (args->Has("json")) {
    PrintJson(context.out, tpl.Value(), result);
  } else {
    PrintText(context.out, tpl.Value(), result);
  }
  return kExitOk;
}

}  // namespace

constexpr Command kTotalsCommand{"totals", kUsage, RunTotals};

}  // namespace qm::cli
