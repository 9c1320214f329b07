#include "interop/stopped_at.h"

#include <algorithm>

namespace qm {

std::string StoppedAtLine(std::string_view text, std::size_t offset, std::string_view why) {
  const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size()));
  std::string digits = std::to_string(1 + std::count(text.begin(), end, '\n'));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return "stopped at line " + digits + ": " + std::string(why);
}

}  // namespace qm
