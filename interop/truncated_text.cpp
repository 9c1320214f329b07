#include "interop/truncated_text.h"

namespace qm {

std::string_view WithoutBrokenLastCharacter(std::string_view text) {
  // A character is at most four bytes: its lead byte is among the last three.
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? text.substr(0, text.size() - back) : text;
  }
  return text;
}

}  // namespace qm
