// gem CODE TIER REALM: the name of a crafted item's gem and the materials it
// takes, as the report lists them.
#include <climits>
#include <ostream>
#include <string>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "core/text.h"
#include "spellcraft/gem_names.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage =
    "gem CODE TIER REALM  (CODE bonus code as stored, 0-255; TIER ladder rung from 0; REALM 0 "
    "Albion, "
    "1 Hibernia, 2 Midgard)";

int RunGem(CommandContext& context) {
  if (context.args.size() != 3) return UsageError(context, kUsage);
  const auto code = ParseInteger(context.args[0], 0, 255);
  // Stored tiers are whole numbers of any size; past 9 the gem has no quality.
  const auto tier = ParseInteger(context.args[1], 0, INT_MAX);
  const auto realm = ParseRealm(context.args[2]);
  if (!code || !tier || !realm) return UsageError(context, kUsage);
  const int c = static_cast<int>(*code);
  const int t = static_cast<int>(*tier);
  context.out << Cp1252ToUtf8(GemName(c, t, *realm)) << '\n'
              << Cp1252ToUtf8(GemMaterials(c, t, *realm)) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kGemCommand{"gem", kUsage, RunGem};

}  // namespace qm::cli
