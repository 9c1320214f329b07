// quillmark-cli: every calculation of the planner, without windows.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "generated/version.h"

namespace qm::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

void PrintHelp(std::ostream& out) {
  out << "Quillmark Classic command-line tool\nusage:\n";
  std::vector<Command> sorted = Registry();
  std::sort(sorted.begin(), sorted.end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  for (const Command& command : sorted) out << "  quillmark-cli " << command.usage << '\n';
  out << "  quillmark-cli --version\n";
}

// The longest registered name that the leading words spell ("vault pack" before "vault").
const Command* FindCommand(const std::vector<std::string>& words, std::size_t& used) {
  const Command* best = nullptr;
  for (const Command& command : Registry()) {
    std::string joined;
    for (std::size_t n = 0; n < words.size() && n < 3; ++n) {
      if (n > 0) joined += ' ';
      joined += words[n];
      if (joined == command.name && (best == nullptr || command.name.size() > best->name.size())) {
        best = &command;
        used = n + 1;
      }
    }
  }
  return best;
}

}  // namespace

CommandRegistration::CommandRegistration(const Command& command) {
  Registry().push_back(command);
}

const std::vector<Command>& RegisteredCommands() {
  return Registry();
}

int UsageError(CommandContext& context, std::string_view usage) {
  context.err << "usage: quillmark-cli " << usage << '\n';
  return kExitUsage;
}

int InputError(CommandContext& context, std::string_view message) {
  context.err << "quillmark-cli: " << message << '\n';
  return kExitBadInput;
}

}  // namespace qm::cli

int main(int argc, char** argv) {
  using namespace qm::cli;
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintHelp(words.empty() ? std::cerr : std::cout);
    return words.empty() ? kExitUsage : kExitOk;
  }
  if (words.size() == 1 && words[0] == "--version") {
    std::cout << "quillmark-cli " << qm::kQuillmarkVersion << '\n';
    return kExitOk;
  }
  std::size_t used = 0;
  const Command* command = FindCommand(words, used);
  if (command == nullptr) {
    std::cerr << "quillmark-cli: unknown command '" << words[0] << "' (try --help)\n";
    return kExitUsage;
  }
  CommandContext context{
      {words.begin() + static_cast<std::ptrdiff_t>(used), words.end()}, std::cout, std::cerr};
  return command->run(context);
}
