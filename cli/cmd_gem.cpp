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
  std::string error;
  const auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(*args, {"CODE", "TIER", "REALM"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const std::vector<std::string>& words = args->Positional();
  const auto code = ParseNumberArgument("CODE", words[0], 0, 255, error);
  if (!code) return UsageError(context, error, kUsage);
  // Stored tiers are whole numbers of any size; past 9 the gem has no quality.
  const auto tier = ParseNumberArgument("TIER", words[1], 0, INT_MAX, error);
  if (!tier) return UsageError(context, error, kUsage);
  const auto realm = ParseRealm(words[2]);
  if (!realm) return UsageError(context, BadValueReason("REALM", kRealmAccepted, words[2]), kUsage);
  const int c = static_cast<int>(*code);
  const int t = static_cast<int>(*tier);
  context.out << Cp1252ToUtf8(GemName(c, t, *realm)) << '\n'
              << Cp1252ToUtf8(GemMaterials(c, t, *realm)) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kGemCommand{"gem", kUsage, RunGem};

}  // namespace qm::cli
