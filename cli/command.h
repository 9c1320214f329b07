#pragma once
// One quillmark-cli command: its name, its usage line and the function that
// runs it. Exit codes: 0 success, 1 bad input or unreadable file (one-line
// message on stderr), 2 bad usage.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace qm::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

struct CommandContext {
  std::vector<std::string> args;  // the words after the command name
  std::ostream& out;
  std::ostream& err;
};

using CommandFunction = int (*)(CommandContext& context);

struct Command {
  std::string_view name;   // e.g. "show", or "vault pack" for a two-word command
  std::string_view usage;  // one line, shown by --help and on bad usage
  CommandFunction run;
};

// Prints the reason ("quillmark-cli: missing FILE"), then "usage: quillmark-cli
// <usage>", to err and returns kExitUsage: the first line says what was wrong.
int UsageError(CommandContext& context, std::string_view reason, std::string_view usage);
// Prints the one-line message to err and returns kExitBadInput.
int InputError(CommandContext& context, std::string_view message);

}  // namespace qm::cli
