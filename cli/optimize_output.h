#pragma once
// What the optimize command prints of the optimizer's answer: human lines,
// or one JSON object with the proposed template as the other commands print
// a template record.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "optimizer/solve.h"

namespace qm::cli {

// A gem as the crafter buys it: its bonus and value, "Strength 29", "Body Resist 5".
std::string GemText(const TSpellcraftGem& gem);

// "Objective: 123.45", "Bound: …", "Gap: 1.2%", whether it is proven, the
// seconds, each crafted piece "Slot 9 (Chest): Strength 29, …  imbue 32.5 of
// 32", then each minimum that cannot be met.
std::vector<std::string> OptimizeLines(const OptimizerResult& result);

// {"objective", "bound", "gap", "optimal", "seconds", "template", "crafted", "unmet"}.
nlohmann::ordered_json OptimizeJson(const OptimizerResult& result);

}  // namespace qm::cli
