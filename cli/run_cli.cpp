#include "cli/run_cli.h"

#include <algorithm>
#include <ostream>

#include "cli/commands.h"
#include "core/effect_names.h"
#include "core/item_lists.h"

#include "generated/version.h"

namespace qm::cli {
namespace {

void PrintHelp(std::ostream& out) {
  out << "Quillmark Classic command-line tool\nusage:\n";
  std::vector<const Command*> sorted(AllCommands().begin(), AllCommands().end());
  std::sort(sorted.begin(), sorted.end(),
            [](const Command* a, const Command* b) { return a->name < b->name; });
  for (const Command* command : sorted) out << "  quillmark-cli " << command->usage << '\n';
  out << "  quillmark-cli --version\n";
}

// The longest command name that the leading words spell ("vault pack" before "vault").
const Command* FindCommand(const std::vector<std::string>& words, std::size_t& used) {
  const Command* best = nullptr;
  for (const Command* command : AllCommands()) {
    std::string joined;
    for (std::size_t n = 0; n < words.size() && n < 3; ++n) {
      if (n > 0) joined += ' ';
      joined += words[n];
      if (joined == command->name &&
          (best == nullptr || command->name.size() > best->name.size())) {
        best = command;
        used = n + 1;
      }
    }
  }
  return best;
}

// Loading a vault appends the texts it brings to the process-wide lists; a
// later run must number its own vault's texts as a fresh process would.
void ForgetEarlierVaults() {
  ItemTypeList().Reset();
  ExpansionList().Reset();
  WeaponTypeList().Reset();
  SourceList().Reset();
  ResetEffectNames();
}

}  // namespace

int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintHelp(words.empty() ? err : out);
    return words.empty() ? kExitUsage : kExitOk;
  }
  if (words.size() == 1 && words[0] == "--version") {
    out << "quillmark-cli " << kQuillmarkVersion << '\n';
    return kExitOk;
  }
  std::size_t used = 0;
  const Command* command = FindCommand(words, used);
  if (command == nullptr) {
    err << "quillmark-cli: unknown command '" << words[0] << "' (try --help)\n";
    return kExitUsage;
  }
  ForgetEarlierVaults();
  CommandContext context{
      {words.begin() + static_cast<std::ptrdiff_t>(used), words.end()}, out, err};
  return command->run(context);
}

}  // namespace qm::cli
