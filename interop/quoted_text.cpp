#include "interop/quoted_text.h"

namespace qm {

std::string QuotedText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  return quoted + "\"";
}

}  // namespace qm
