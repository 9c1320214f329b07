#include "interop/read_position.h"

#include <algorithm>

namespace qm {

std::size_t LineOfOffset(std::string_view text, std::size_t offset) {
  const std::string_view before = text.substr(0, std::min(offset, text.size()));
  return 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
}

std::string StoppedAtLine(std::size_t line, std::string_view why) {
  std::string digits = std::to_string(line);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return "stopped at line " + grouped + ": " + std::string(why);
}

}  // namespace qm
