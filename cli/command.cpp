#include "cli/command.h"

#include <ostream>

namespace qm::cli {

int UsageError(CommandContext& context, std::string_view reason, std::string_view usage) {
  context.err << "quillmark-cli: " << reason << '\n';
  context.err << "usage: quillmark-cli " << usage << '\n';
  return kExitUsage;
}

int InputError(CommandContext& context, std::string_view message) {
  context.err << "quillmark-cli: " << message << '\n';
  return kExitBadInput;
}

}  // namespace qm::cli
