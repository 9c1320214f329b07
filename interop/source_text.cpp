#include "interop/source_text.h"

#include "core/text.h"

namespace qm {

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, min = 0x80, code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, min = 0x800, code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000, code = lead & 0x07u;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;  // the sequence breaks off
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string SourceTextAsUtf8(std::string_view text) {
  return IsValidUtf8(text) ? std::string(text) : Cp1252ToUtf8(text);
}

}  // namespace qm
